#include "Toolkit/Controls/Win32ListBoxObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/Parameter.h"

Win32ListBoxObserver::Win32ListBoxObserver(Platform::Window* aListBox, int aBottom, int aTop)
    : myListBox(aListBox), myRange(aBottom, aTop)
{
    VORNA_ASSERT(aListBox != NULL);
}

void Win32ListBoxObserver::fill()
{
    for (int value = myRange.bottom(); value <= myRange.top(); ++value)
    {
        myListBox->addString(itemText(value));
    }
    myListBox->setSelection(0);
}

void Win32ListBoxObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    followMinimum(subject->minimum().toShort());
    followMaximum(subject->maximum().toShort());
    myDisplayedIndex = valueToItem(subject->value().toShort()) - myRange.bottom();
    myListBox->setSelection(myDisplayedIndex);
    myListBox->enable(subject->available());
}

void Win32ListBoxObserver::followMinimum(int aMinimum)
{
    myRange.followMinimum(*myListBox, aMinimum, [this](int aValue) { return itemText(aValue); });
}

void Win32ListBoxObserver::followMaximum(int aMaximum)
{
    myRange.followMaximum(*myListBox, aMaximum, [this](int aValue) { return itemText(aValue); });
}

int Win32ListBoxObserver::valueToItem(int aValue) const
{
    return aValue;
}
