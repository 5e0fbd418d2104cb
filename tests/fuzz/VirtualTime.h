#pragma once

#include "Platform/SteadyWait.h"

// Virtual time for one fuzz run: every wait of the program and every read
// time-out of the line moves it on at once, so nothing really sleeps and the
// time limits of the program still end its waits. Installed while it exists.
class VirtualTime : public Platform::SteadyWait::TimeSource
{
public:
    VirtualTime();
    ~VirtualTime();
    VirtualTime(const VirtualTime&) = delete;
    VirtualTime& operator=(const VirtualTime&) = delete;

    Platform::SteadyWait::Clock::time_point now() override { return myNow; }
    void sleepFor(Platform::SteadyWait::Clock::duration aDuration) override { myNow += aDuration; }

private:
    Platform::SteadyWait::Clock::time_point myNow;
};
