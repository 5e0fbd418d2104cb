#include "Platform/SteadyWait.h"

#include "Platform/WaitInterrupted.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace Platform
{
namespace
{
SteadyWait::TimeSource*& timeSource()
{
    static SteadyWait::TimeSource* theSource = nullptr;
    return theSource;
}

std::function<void()>& passHook()
{
    static std::function<void()> theHook;
    return theHook;
}

std::atomic<bool> theInterrupt{false};

void runPassHook()
{
    // A copy: the hook may replace itself while it runs.
    if (const std::function<void()> hook = passHook())
    {
        hook();
    }
}

void throwIfInterrupted()
{
    if (theInterrupt)
    {
        throw WaitInterrupted();
    }
}
}

void SteadyWait::interrupt()
{
    theInterrupt = true;
}

void SteadyWait::clearInterrupt()
{
    theInterrupt = false;
}

bool SteadyWait::isInterrupted()
{
    return theInterrupt;
}

void SteadyWait::checkpoint()
{
    runPassHook();
    throwIfInterrupted();
}

std::function<void()> SteadyWait::setPassHook(const std::function<void()>& aHook)
{
    std::function<void()> previous = passHook();
    passHook() = aHook;
    return previous;
}

void SteadyWait::setTimeSource(TimeSource* aSource)
{
    timeSource() = aSource;
}

SteadyWait::Clock::time_point SteadyWait::now()
{
    TimeSource* source = timeSource();
    return source != nullptr ? source->now() : Clock::now();
}

SteadyWait::Clock::duration SteadyWait::pass()
{
    return std::chrono::milliseconds(1);
}

void SteadyWait::wait(unsigned aMilliseconds, const std::function<void()>& anIdle)
{
    const Clock::time_point end = now() + std::chrono::milliseconds(aMilliseconds);
    for (Clock::time_point current = now(); current < end; current = now())
    {
        if (anIdle)
        {
            anIdle();
            runPassHook();
        }
        throwIfInterrupted();
        // Never sleep past the end: the caller measures its waits in milliseconds.
        const Clock::duration nap = std::min<Clock::duration>(pass(), end - current);
        TimeSource* source = timeSource();
        if (source != nullptr)
        {
            source->sleepFor(nap);
        }
        else
        {
            std::this_thread::sleep_for(nap);
        }
    }
}
}
