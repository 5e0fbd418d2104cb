#pragma once

#include "Platform/SteadyWait.h"

// Replaces the clock of every protocol wait while it lives: waits then take
// no real time, and a test can read how long they would have taken.
class VirtualTime : public Platform::SteadyWait::TimeSource
{
public:
    VirtualTime();
    ~VirtualTime();

    Platform::SteadyWait::Clock::time_point now() override;
    void sleepFor(Platform::SteadyWait::Clock::duration aDuration) override;

    void advance(Platform::SteadyWait::Clock::duration aDuration);
    // Virtual time passed since construction, in whole milliseconds.
    long long elapsedMilliseconds() const;
    // Virtual time spent sleeping in waits, in whole milliseconds.
    long long sleptMilliseconds() const;

private:
    Platform::SteadyWait::Clock::time_point myStart = Platform::SteadyWait::Clock::time_point();
    Platform::SteadyWait::Clock::time_point myNow = myStart;
    Platform::SteadyWait::Clock::duration mySlept = Platform::SteadyWait::Clock::duration(0);
};
