#include "Toolkit/Parameter/ParameterDefinition.h"

#include <ostream>

ParameterDefinition::ParameterDefinition(const std::string& aName)
    : myName(aName)
{
}

bool ParameterDefinition::formatName(std::ostream& aStream) const
{
    aStream << myName;
    return isGood(aStream);
}

bool ParameterDefinition::isGood(const std::ostream& aStream)
{
    return aStream.good();
}
