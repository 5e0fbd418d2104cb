#include "Models/RoomTypeDefinition.h"

RoomTypeDefinition::RoomTypeDefinition(const std::string& aName)
    : EnumeratedDefinition(aName)
{
    static const char* const theTexts[] = {
        "Not Indicated",
        "Large room, X curve monitor",
        "Small room, flat monitor",
    };
    int value = 0;
    for (const char* text : theTexts)
    {
        (*this)[ParameterValue(value++)] = text;
    }
}
