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
    // pass while time remains, then the pass hook (below); a wait of 0 returns
    // at once without calling either. Throws WaitInterrupted on the first pass
    // that finds the wait interrupted (below).
    static void wait(unsigned aMilliseconds, const std::function<void()>& anIdle);

    // A close asked for while the program waits on the unit ends the wait
    // instead of running inside it: from interrupt until clearInterrupt every
    // wait and every checkpoint throws WaitInterrupted.
    static void interrupt();
    static void clearInterrupt();
    static bool isInterrupted();
    // Between two messages to the unit: runs the pass hook, through which the
    // window layer sees a close asked for while the line kept the program
    // busy, then throws WaitInterrupted when the wait is interrupted, so that
    // nothing more goes to the unit.
    static void checkpoint();

    // What every pass of a wait with an idle callback runs besides it: the
    // window layer keeps the window painted there while a program waits on
    // a busy or slow unit. Returns the hook it replaces; nullptr removes it.
    static std::function<void()> setPassHook(const std::function<void()>& aHook);

    // The longest single sleep of a wait.
    static Clock::duration pass();
};
}
