#include "Models/SurroundModeDefinition.h"

SurroundModeDefinition::SurroundModeDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "Not Indicated",
        "Not Vorna Surround Encoded",
        "Vorna Surround Encoded",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
