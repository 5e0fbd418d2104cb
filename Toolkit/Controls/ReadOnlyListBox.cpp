#include "Toolkit/Controls/ReadOnlyListBox.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"

ReadOnlyListBox::ReadOnlyListBox(Platform::Window* aListBox)
    : myListBox(aListBox)
{
    VORNA_ASSERT(aListBox != NULL);
    myListBox->setReadOnly(true);
}
