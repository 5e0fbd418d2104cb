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
    // The progress goes back to 0 only at the end of a file sent whole (a
    // run that stops or fails never gets there), while its last line leaves
    // it just short of the whole: the whole bar shows first, drawn at once,
    // or nobody would ever see the file's end.
    if (position == 0 && myProgressBar->position() > 0)
    {
        myProgressBar->setPosition(fullPosition);
        Platform::Backend::current().paintNow(*myProgressBar);
    }
    myProgressBar->setPosition(position);
}
}
