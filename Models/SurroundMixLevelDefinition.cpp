#include "Models/SurroundMixLevelDefinition.h"

SurroundMixLevelDefinition::SurroundMixLevelDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "-3 dB",
        "-6 dB",
        "-Infinite dB",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
