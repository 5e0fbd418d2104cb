#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <array>

namespace Platform
{
class Window;
}

// Shows one of three windows as the parameter's value chooses, and hides the
// others: value 0 shows the third window, 1 the second, 2 the first; any other
// value hides all three.
class Win32WindowSelectObserver : public ControlObserver
{
public:
    // Any of them may be nullptr (none).
    Win32WindowSelectObserver(Platform::Window* aWindow1, Platform::Window* aWindow2, Platform::Window* aWindow3);

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

private:
    std::array<Platform::Window*, 3> myWindows;
};
