#include "Models/BitStreamModeDefinition.h"

BitStreamModeDefinition::BitStreamModeDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "Complete Main",
        "Music and Effects",
        "Visually Impaired",
        "Hearing Impaired",
        "Dialogue",
        "Commentary",
        "Emergency",
        "Karaoke (Voice Over)",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
