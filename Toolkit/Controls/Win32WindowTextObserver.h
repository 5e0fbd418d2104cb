#pragma once

#include "Toolkit/Controls/ControlObserver.h"

namespace Platform
{
class Window;
}

// Shows a parameter's value as a window's text, byte for byte (a model name,
// a preset name on a button), and enables the window while the parameter is
// available.
class Win32WindowTextObserver : public ControlObserver
{
public:
    // Empties the window's text until the parameter is attached.
    explicit Win32WindowTextObserver(Platform::Window* aWindow);

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

private:
    Platform::Window* myWindow;
};
