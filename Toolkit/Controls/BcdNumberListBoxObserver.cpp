#include "Toolkit/Controls/BcdNumberListBoxObserver.h"

#include "Toolkit/Controls/Bcd.h"

BcdNumberListBoxObserver::BcdNumberListBoxObserver(Platform::Window* aListBox, int aFirst, int aLast, int aWidth)
    : Win32NumberListBoxObserver(aListBox, aFirst, aLast, aWidth)
{
}

void BcdNumberListBoxObserver::followMinimum(int aMinimum)
{
    Win32NumberListBoxObserver::followMinimum(Bcd::fromBcd(aMinimum));
}

void BcdNumberListBoxObserver::followMaximum(int aMaximum)
{
    Win32NumberListBoxObserver::followMaximum(Bcd::fromBcd(aMaximum));
}

int BcdNumberListBoxObserver::valueToItem(int aValue) const
{
    return Bcd::fromBcd(aValue);
}
