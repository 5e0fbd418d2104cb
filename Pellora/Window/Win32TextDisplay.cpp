#include "Pellora/Window/Win32TextDisplay.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"

namespace Win32Implementation
{
Win32TextDisplay::Win32TextDisplay(Platform::Window* aControl) : myControl(aControl)
{
    VORNA_ASSERT(aControl != NULL);
    myControl->setText("");
    myControl->invalidate();
}

void Win32TextDisplay::tell(const char* aStatement)
{
    VORNA_ASSERT(aStatement != NULL);
    myControl->setText(aStatement);
    myControl->invalidate();
}
}
