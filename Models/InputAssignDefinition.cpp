#include "Models/InputAssignDefinition.h"

InputAssignDefinition::InputAssignDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "Use input number one",
        "Use input number two",
        "Use input number three",
        "Use input number four",
        "Use input number five",
        "Use input number six",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
