#include "Models/DataRateDefinition.h"

DataRateDefinition::DataRateDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, texts())
{
}

const std::vector<std::string>& DataRateDefinition::texts()
{
    static const std::vector<std::string> theTexts = {
        "32 kbps",
        "40 kbps",
        "48 kbps",
        "56 kbps",
        "64 kbps",
        "80 kbps",
        "96 kbps",
        "112 kbps",
        "128 kbps",
        "160 kbps",
        "192 kbps",
        "224 kbps",
        "256 kbps",
        "320 kbps",
        "384 kbps",
        "448 kbps",
        "512 kbps",
        "576 kbps",
        "640 kbps",
    };
    return theTexts;
}
