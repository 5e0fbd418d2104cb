#include "Models/Unit/AuxiliaryDataInputDefinition.h"

AuxiliaryDataInputDefinition::AuxiliaryDataInputDefinition()
    : EnumeratedDefinition("Auxiliary Data Input")
{
    static const char* const theTexts[] = {
        "Disabled",
        "1200 bps",
        "2400 bps",
        "9600 bps",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
