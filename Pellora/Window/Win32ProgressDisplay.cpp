#include "Pellora/Window/Win32ProgressDisplay.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"

namespace Win32Implementation
{
Win32ProgressDisplay::Win32ProgressDisplay(Platform::Window* aProgressBar) : myProgressBar(aProgressBar)
{
    VORNA_ASSERT(aProgressBar != NULL);
}

void Win32ProgressDisplay::set(float aFraction)
{
    // The bar keeps the position within its range of 0 to 100.
    myProgressBar->setPosition(static_cast<int>(aFraction * 100));
}
}
