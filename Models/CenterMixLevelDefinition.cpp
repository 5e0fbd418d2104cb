#include "Models/CenterMixLevelDefinition.h"

CenterMixLevelDefinition::CenterMixLevelDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "-3 dB",
        "-4.5 dB",
        "-6 dB",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
