#include "Tessiva/Controls/ReadOnlyListBox.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"

ReadOnlyListBox::ReadOnlyListBox(Platform::Window* aListBox)
    : myListBox(aListBox)
{
    VORNA_ASSERT(aListBox != NULL);
    myListBox->setReadOnly(true);
}

bool ReadOnlyListBox::buttonDown()
{
    return true;
}

bool ReadOnlyListBox::character()
{
    return true;
}

bool ReadOnlyListBox::keyDown()
{
    if (!myKeyHeld)
    {
        myKeyHeld = true;
        myRememberedSelection = myListBox->selection();
    }
    else
    {
        myListBox->setSelection(myRememberedSelection);
    }
    return true;
}

bool ReadOnlyListBox::keyUp()
{
    myListBox->setSelection(myRememberedSelection);
    myKeyHeld = false;
    return true;
}
