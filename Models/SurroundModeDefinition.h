#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// The surround mode indications.
class SurroundModeDefinition : public EnumeratedDefinition
{
public:
    explicit SurroundModeDefinition(const std::string& aName);
};
