#pragma once

#include <string>

namespace Platform
{
class StringTable;
}

// Loads the item texts of combo and list boxes from the program's strings.
class StringResource
{
public:
    // Throws VornaException "Unable to load the string with id: " and the id
    // when the table has no such text (ids below 0 included).
    static std::string load(const Platform::StringTable& aStrings, long anId);
};
