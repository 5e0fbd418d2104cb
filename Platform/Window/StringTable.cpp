#include "Platform/Window/StringTable.h"

namespace Platform
{
bool StringTable::add(unsigned anId, const std::string& aText)
{
    return myTexts.emplace(anId, aText).second;
}

bool StringTable::addRun(unsigned aFirstId, const std::vector<std::string>& aTexts)
{
    bool allAdded = true;
    for (std::size_t index = 0; index < aTexts.size(); ++index)
    {
        allAdded = add(aFirstId + static_cast<unsigned>(index), aTexts[index]) && allAdded;
    }
    return allAdded;
}

bool StringTable::contains(unsigned anId) const
{
    return myTexts.count(anId) != 0;
}

std::optional<std::string> StringTable::find(unsigned anId) const
{
    const auto place = myTexts.find(anId);
    if (place == myTexts.end())
    {
        return std::optional<std::string>();
    }
    return place->second;
}
}
