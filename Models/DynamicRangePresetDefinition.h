#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// The dynamic range compression presets.
class DynamicRangePresetDefinition : public EnumeratedDefinition
{
public:
    explicit DynamicRangePresetDefinition(const std::string& aName);
};
