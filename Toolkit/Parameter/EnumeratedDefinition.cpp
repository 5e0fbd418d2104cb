#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <ostream>

EnumeratedDefinition::EnumeratedDefinition(const std::string& aName)
    : ParameterDefinition(aName)
{
}

EnumeratedDefinition::EnumeratedDefinition(const std::string& aName, const std::vector<std::string>& aTexts,
                                           int aFirstValue)
    : ParameterDefinition(aName)
{
    int value = aFirstValue;
    for (const std::string& text : aTexts)
    {
        myValueTexts[ParameterValue(value++)] = text;
    }
}

bool EnumeratedDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    const ValueTexts::const_iterator entry = myValueTexts.lower_bound(aValue);
    if (entry != myValueTexts.end() && entry->first.toShort() == aValue.toShort())
    {
        aStream << entry->second;
    }
    else
    {
        aStream << static_cast<int>(aValue.toShort());
    }
    return isGood(aStream);
}
