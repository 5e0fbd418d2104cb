#include "Models/DbfsDefinition.h"

#include <ostream>

DbfsDefinition::DbfsDefinition(const std::string& aName)
    : ParameterDefinition(aName)
{
}

bool DbfsDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    const int level = aValue.toShort();
    if (level == 0)
    {
        aStream << "Reserved";
    }
    else if (level >= 1 && level <= 31)
    {
        aStream << '-' << level << " dBFS";
    }
    else
    {
        // Outside the unit's range (a negative level included) the bare number is
        // all that can honestly be shown.
        aStream << level;
    }
    return isGood(aStream);
}
