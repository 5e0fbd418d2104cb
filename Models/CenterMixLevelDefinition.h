#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// The center mix levels.
class CenterMixLevelDefinition : public EnumeratedDefinition
{
public:
    explicit CenterMixLevelDefinition(const std::string& aName);
};
