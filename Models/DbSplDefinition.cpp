#include "Models/DbSplDefinition.h"

#include <cstdint>
#include <ostream>

DbSplDefinition::DbSplDefinition(const std::string& aName)
    : ParameterDefinition(aName)
{
}

bool DbSplDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    const std::int32_t level = static_cast<std::int32_t>(aValue.toShort()) + 80;
    aStream << level << " dB SPL";
    return isGood(aStream);
}
