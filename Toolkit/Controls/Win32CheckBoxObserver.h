#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <cstdint>

namespace Platform
{
class Window;
}

// Binds a check box to a parameter: checked while the parameter holds the
// checked value; a click asks for the checked value or for 0.
class Win32CheckBoxObserver : public ControlObserver
{
public:
    // Only the low 16 bits of aCheckedValue are compared with the value; the
    // whole number is compared with the limits.
    Win32CheckBoxObserver(Platform::Window* aCheckBox, std::int32_t aCheckedValue);

    void update(Subject* aSubject) override;
    // The user clicked: the box goes back to what it showed until the
    // parameter confirms the new value.
    void click();
    // The click.
    void routeNotifications(const ControlBinder& aBinder) override;

    bool displayedState() const { return myDisplayedState; }
    Platform::Window* checkBox() const { return myCheckBox; }

private:
    Platform::Window* myCheckBox;
    std::int32_t myCheckedValue;
    bool myDisplayedState = false;
};
