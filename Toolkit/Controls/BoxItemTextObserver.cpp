#include "Toolkit/Controls/BoxItemTextObserver.h"

#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/Parameter.h"

BoxItemTextObserver::BoxItemTextObserver(std::uint32_t aPosition, Platform::Window* aBox)
    : myPosition(aPosition), myBox(aBox)
{
}

void BoxItemTextObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const std::string text = subject->value().toString();
    if (text == myLastText)
    {
        return;
    }
    const int selection = myBox->selection();
    myLastText = text;
    // The position goes to the box as its messages take one: past the last
    // item the delete is refused, and so is the insert, except at the item
    // count or at the all-ones position, which append.
    const int position = static_cast<int>(myPosition);
    myBox->deleteString(position);
    myBox->insertString(position, text);
    myBox->setSelection(selection);
}
