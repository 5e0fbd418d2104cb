#pragma once

#include "Pellora/Engine/TextDisplayImplementation.h"

namespace Platform
{
class Window;
}

namespace Win32Implementation
{
// A static or group box of the view as a text field of the run: the
// messages or the current file.
class Win32TextDisplay : public UserInterface::TextDisplayImplementation
{
public:
    // Does not own the control; clears its text.
    explicit Win32TextDisplay(Platform::Window* aControl);

    void tell(const char* aStatement) override;

private:
    Platform::Window* myControl;
};
}
