#include "Models/OutputModeDefinition.h"

OutputModeDefinition::OutputModeDefinition()
    : EnumeratedDefinition("Output Mode")
{
    static const char* const theTexts[] = {
        "Consumer",
        "Professional 32-bit",
        "Professional 16-bit channel 1",
        "Professional 16-bit channel 2",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
