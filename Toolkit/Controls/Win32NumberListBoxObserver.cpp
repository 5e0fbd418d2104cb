#include "Toolkit/Controls/Win32NumberListBoxObserver.h"

Win32NumberListBoxObserver::Win32NumberListBoxObserver(Platform::Window* aListBox, int aFirst, int aLast, int aWidth)
    : Win32ListBoxObserver(aListBox, aFirst, aLast), myWidth(aWidth)
{
    fill();
}

std::string Win32NumberListBoxObserver::itemText(int aValue) const
{
    const std::string digits = std::to_string(aValue);
    const std::string::size_type width = myWidth > 0 ? static_cast<std::string::size_type>(myWidth) : 0;
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}
