#include "Models/DeemphasisDefinition.h"

DeemphasisDefinition::DeemphasisDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "Auto",
        "Not Applied",
        "Applied",
    };
    int value = -1;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
