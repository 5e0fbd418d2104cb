#include "Models/SamplingFrequencyDefinition.h"

SamplingFrequencyDefinition::SamplingFrequencyDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "Auto",
        "48 kHz",
        "44.1 kHz",
        "32 kHz",
        "Unknown/Not Indicated",
    };
    int value = -1;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
