#include "Models/RecordFileFormatDefinition.h"

RecordFileFormatDefinition::RecordFileFormatDefinition()
    : EnumeratedDefinition("Record File Format")
{
    static const char* const theTexts[] = {
        "Normal, including time code",
        "Normal",
        "PC format",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
