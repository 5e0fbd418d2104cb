#include "Pellora/Window/Win32ProgressDisplay.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/Window.h"

namespace Win32Implementation
{
namespace
{
constexpr int fullPosition = 100;
}

Win32ProgressDisplay::Win32ProgressDisplay(Platform::Window* aProgressBar) : myProgressBar(aProgressBar)
{
    VORNA_ASSERT(aProgressBar != NULL);
}

void Win32ProgressDisplay::set(float aFraction)
{
    // The bar keeps the position within its range of 0 to 100.
    const int position = static_cast<int>(aFraction * 100);
    myProgressBar->setPosition(position);
    // The end of a file is followed at once by the bar's reset: it is drawn
    // now, or nobody would ever see it.
    if (position >= fullPosition)
    {
        Platform::Backend::current().paintNow(*myProgressBar);
    }
}
}
