#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// The bit stream modes.
class BitStreamModeDefinition : public EnumeratedDefinition
{
public:
    explicit BitStreamModeDefinition(const std::string& aName);
};
