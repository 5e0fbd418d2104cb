#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

// The preset that a unit will recall next: 0 is none, any other value its number.
class RecallPresetPendingDefinition : public ParameterDefinition
{
public:
    RecallPresetPendingDefinition();
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;
};
