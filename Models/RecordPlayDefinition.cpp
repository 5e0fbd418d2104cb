#include "Models/RecordPlayDefinition.h"

RecordPlayDefinition::RecordPlayDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "None",
        "Record Enabled",
        "Playback Enabled",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
