#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

// A unit's coding delay: -1 leaves it to the unit ("External/Automatic"),
// any other value is the delay itself.
class CodingDelayDefinition : public ParameterDefinition
{
public:
    CodingDelayDefinition();
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;
};
