#include "Toolkit/Controls/ButtonCoordinator.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/LoadedBitmap.h"

ButtonCoordinator::ButtonCoordinator(Platform::Window* aButton)
    : myButton(aButton)
{
    VORNA_ASSERT(aButton != NULL);
    myPressed = myButton->isPressed();
}

void ButtonCoordinator::applyPressedLook()
{
    myButton->setPressed(myPressed);
}

void ButtonCoordinator::setPressed(bool aPressed)
{
    myPressed = aPressed;
    applyPressedLook();
}

void ButtonCoordinator::enable(bool anEnabled)
{
    myButton->enable(anEnabled);
}

void ButtonCoordinator::setBitmap(const LoadedBitmap* aBitmap)
{
    myButton->setImage(aBitmap != nullptr ? aBitmap->id() : 0);
}
