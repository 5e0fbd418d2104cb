#include "Toolkit/Parameter/NumericDefinition.h"

#include <ostream>

NumericDefinition::NumericDefinition(const std::string& aName)
    : ParameterDefinition(aName)
{
}

bool NumericDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    aStream << static_cast<int>(aValue.toShort());
    return isGood(aStream);
}
