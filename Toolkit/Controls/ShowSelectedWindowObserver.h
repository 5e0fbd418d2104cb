#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <cstdint>

namespace Platform
{
class Window;
}

// Of a row of like windows, shows and enables only the one whose number,
// counted from 1, is the parameter's value, and hides and disables all the
// others (a value of 0 or past the row hides them all). It acts only when the
// value differs from the one it last acted on, which starts at 0: attached to
// a parameter holding 0, it leaves the windows as they are.
class ShowSelectedWindowObserver : public ControlObserver
{
public:
    // aFirstWindow: the first of aCount consecutive window slots that the
    // owner holds and keeps for the observer's life; a nullptr slot is a control
    // not created (yet), which is skipped. Attaches itself to aSubject at once.
    ShowSelectedWindowObserver(Parameter* aSubject, std::uint32_t aCount, Platform::Window* const* aFirstWindow);

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

    std::int16_t lastValue() const { return myLastValue; }

private:
    std::uint32_t myCount;
    std::int16_t myLastValue = 0;
    Platform::Window* const* myFirstWindow;
};
