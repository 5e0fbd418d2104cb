#include "Models/EncoderStateDefinition.h"

EncoderStateDefinition::EncoderStateDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "Stop",
        "Start",
        "Time Code Control",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
