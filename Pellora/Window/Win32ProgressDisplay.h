#pragma once

#include "Pellora/Engine/ProgressDisplayImplementation.h"

namespace Platform
{
class Window;
}

namespace Win32Implementation
{
// The view's progress bar as the download's progress display.
class Win32ProgressDisplay : public UserInterface::ProgressDisplayImplementation
{
public:
    // Does not own the bar.
    explicit Win32ProgressDisplay(Platform::Window* aProgressBar);

    // Moves the bar to the fraction in percent, cut to a whole number.
    void set(float aFraction) override;

private:
    Platform::Window* myProgressBar;
};
}
