#pragma once

#include <chrono>
#include <functional>

namespace Platform
{
// Waits measured on the monotonic clock. A wait that lets its caller run code
// on every pass sleeps about a millisecond between passes, so a long wait
// never keeps a processor busy.
//
// The time source can be replaced (tests drive a long busy wait in virtual
// time); without one the real steady clock and a real sleep are used.
class SteadyWait
{
public:
    typedef std::chrono::steady_clock Clock;

    class TimeSource
    {
    public:
        virtual Clock::time_point now() = 0;
        virtual void sleepFor(Clock::duration aDuration) = 0;

    protected:
        ~TimeSource() = default;
    };

    // nullptr restores the real clock. The source is not owned.
    static void setTimeSource(TimeSource* aSource);

    static Clock::time_point now();

    // Returns after aMilliseconds have passed. anIdle (when set) runs on every
    // pass while time remains; a wait of 0 returns at once without calling it.
    static void wait(unsigned aMilliseconds, const std::function<void()>& anIdle);

    // The longest single sleep of a wait.
    static Clock::duration pass();
};
}
