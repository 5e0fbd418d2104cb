#include "Toolkit/Parameter/TextDefinition.h"

#include <ostream>

TextDefinition::TextDefinition(const std::string& aName)
    : ParameterDefinition(aName)
{
}

bool TextDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    const std::string text = aValue.toString();
    aStream << text.substr(0, text.find('\0'));
    return isGood(aStream);
}
