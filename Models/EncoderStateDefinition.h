#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// The encoder states that can be requested.
class EncoderStateDefinition : public EnumeratedDefinition
{
public:
    explicit EncoderStateDefinition(const std::string& aName);
};
