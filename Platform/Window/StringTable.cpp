#include "Platform/Window/StringTable.h"

#include <iostream>

namespace Platform
{
bool StringTable::add(unsigned anId, const std::string& aText)
{
    const auto placed = myTexts.emplace(anId, aText);
    if (placed.second || placed.first->second == aText)
    {
        return true;
    }
    // Two owners of one id: the second text would never show.
    std::cerr << "String " << anId << " is \"" << placed.first->second << "\" already; \"" << aText
              << "\" is refused\n";
    return false;
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
