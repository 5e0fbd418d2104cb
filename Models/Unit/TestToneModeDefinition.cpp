#include "Models/Unit/TestToneModeDefinition.h"

TestToneModeDefinition::TestToneModeDefinition()
    : EnumeratedDefinition("Test Tone Mode")
{
    static const char* const theTexts[] = {
        "Disabled",
        "-20 dBFS",
        "-18 dBFS",
        "Silence",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
