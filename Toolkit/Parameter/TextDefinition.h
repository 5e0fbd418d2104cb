#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

// Shows a value's bytes as characters, up to the first zero byte.
class TextDefinition : public ParameterDefinition
{
public:
    explicit TextDefinition(const std::string& aName);
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;
};
