#include "Models/Unit/InputFormatDefinition.h"

InputFormatDefinition::InputFormatDefinition()
    : EnumeratedDefinition("Input Format")
{
    static const char* const theTexts[] = {
        "PCM",
        "Pre-encoded",
        "Autodetect",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
