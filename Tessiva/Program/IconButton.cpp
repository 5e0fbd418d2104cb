#include "Tessiva/Program/IconButton.h"

bool IconButton::subclassDlgItem(int anId, Platform::Window& aParent)
{
    Platform::Window* control = aParent.findChild(anId);
    if (control == nullptr)
    {
        return false;
    }
    myControl.emplace(*control);
    return true;
}

Platform::Window* IconButton::window() const
{
    return myControl ? myControl->get() : nullptr;
}
