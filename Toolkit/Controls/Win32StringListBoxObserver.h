#pragma once

#include "Toolkit/Controls/Win32ListBoxObserver.h"

namespace Platform
{
class StringTable;
}

// A list box observer whose item for value v is the string of id (first id + v).
class Win32StringListBoxObserver : public Win32ListBoxObserver
{
public:
    // Fills the box with the strings aFirstId..aLastId and selects item 0. A
    // missing string, here or when the items follow the limits, throws
    // VornaException "Unable to load the string with id: ".
    Win32StringListBoxObserver(Platform::Window* aListBox, unsigned aFirstId, unsigned aLastId,
                               const Platform::StringTable& aStrings);

protected:
    std::string itemText(int aValue) const override;

private:
    unsigned myFirstId;
    unsigned myLastId;
    const Platform::StringTable& myStrings;
};
