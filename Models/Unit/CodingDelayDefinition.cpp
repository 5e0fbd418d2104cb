#include "Models/Unit/CodingDelayDefinition.h"

#include <ostream>

CodingDelayDefinition::CodingDelayDefinition()
    : ParameterDefinition("Coding Delay")
{
}

bool CodingDelayDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    const int delay = aValue.toShort();
    if (delay == -1)
    {
        aStream << "External/Automatic";
    }
    else
    {
        aStream << delay;
    }
    return isGood(aStream);
}
