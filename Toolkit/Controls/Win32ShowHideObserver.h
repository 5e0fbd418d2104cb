#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <cstdint>
#include <vector>

namespace Platform
{
class Window;
}

// Shows one set of windows while the parameter holds a value and another set
// while it holds any other.
class Win32ShowHideObserver : public ControlObserver
{
public:
    // Either window may be nullptr (none).
    Win32ShowHideObserver(Platform::Window* aWindowWhenDifferent, Platform::Window* aWindowWhenEqual,
                          std::int16_t aValue);

    void addWindowWhenDifferent(Platform::Window* aWindow);
    void addWindowWhenEqual(Platform::Window* aWindow);
    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

private:
    std::int16_t myValue;
    std::vector<Platform::Window*> myWindowsWhenDifferent;
    std::vector<Platform::Window*> myWindowsWhenEqual;
};
