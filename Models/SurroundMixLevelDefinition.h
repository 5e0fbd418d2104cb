#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// The surround mix levels.
class SurroundMixLevelDefinition : public EnumeratedDefinition
{
public:
    explicit SurroundMixLevelDefinition(const std::string& aName);
};
