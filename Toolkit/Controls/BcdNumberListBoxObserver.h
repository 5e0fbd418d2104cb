#pragma once

#include "Toolkit/Controls/Win32NumberListBoxObserver.h"

// A number list on a packed-BCD parameter: the value 0x07 selects "07". The
// parameter's limits are BCD too, so they are decoded before the items
// follow them (a maximum of 0x23 keeps the items at 00..23).
class BcdNumberListBoxObserver : public Win32NumberListBoxObserver
{
public:
    BcdNumberListBoxObserver(Platform::Window* aListBox, int aFirst, int aLast, int aWidth);

    void followMinimum(int aMinimum) override;
    void followMaximum(int aMaximum) override;
    int valueToItem(int aValue) const override;
};
