#pragma once

#include "Platform/Window/Window.h"

#include <optional>

// The control class of the splash screen's picture: it takes over a control
// of a dialog and never erases its background, so the bitmap that the
// control shows is all that is painted (the window layer never erases a
// picture's background either, so taking it over is all there is to do).
class IconButton
{
public:
    IconButton() {}
    IconButton(const IconButton&) = delete;
    IconButton& operator=(const IconButton&) = delete;

    // Takes over control anId of aParent; false when it has none.
    bool subclassDlgItem(int anId, Platform::Window& aParent);
    // nullptr before subclassDlgItem and after the control is gone.
    Platform::Window* window() const;

private:
    std::optional<Platform::Window::Watch> myControl;
};
