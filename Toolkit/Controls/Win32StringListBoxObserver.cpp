#include "Toolkit/Controls/Win32StringListBoxObserver.h"

#include "Toolkit/Controls/StringResource.h"

Win32StringListBoxObserver::Win32StringListBoxObserver(Platform::Window* aListBox, unsigned aFirstId,
                                                       unsigned aLastId, const Platform::StringTable& aStrings)
    : Win32ListBoxObserver(aListBox, 0, static_cast<int>(static_cast<long>(aLastId) - static_cast<long>(aFirstId))),
      myFirstId(aFirstId), myLastId(aLastId), myStrings(aStrings)
{
    fill();
}

std::string Win32StringListBoxObserver::itemText(int aValue) const
{
    return StringResource::load(myStrings, static_cast<long>(myFirstId) + aValue);
}
