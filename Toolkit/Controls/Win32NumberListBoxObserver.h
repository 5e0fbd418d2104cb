#pragma once

#include "Toolkit/Controls/Win32ListBoxObserver.h"

// A list box observer whose item for value v is v in decimal, zero-filled on
// the left to a width.
class Win32NumberListBoxObserver : public Win32ListBoxObserver
{
public:
    // Fills the box with the numbers aFirst..aLast and selects item 0.
    Win32NumberListBoxObserver(Platform::Window* aListBox, int aFirst, int aLast, int aWidth);

protected:
    std::string itemText(int aValue) const override;

private:
    int myWidth;
};
