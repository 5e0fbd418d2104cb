#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

// Shows the last byte of a value as a packed-BCD number (0x45 shows 45).
class BcdDefinition : public ParameterDefinition
{
public:
    explicit BcdDefinition(const std::string& aName);
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;
};
