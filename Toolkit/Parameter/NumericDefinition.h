#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

// Shows a value as its signed 16-bit number.
class NumericDefinition : public ParameterDefinition
{
public:
    explicit NumericDefinition(const std::string& aName);
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;
};
