#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// The room types of the audio production information.
class RoomTypeDefinition : public EnumeratedDefinition
{
public:
    explicit RoomTypeDefinition(const std::string& aName);
};
