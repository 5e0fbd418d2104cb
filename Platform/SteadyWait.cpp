#include "Platform/SteadyWait.h"

#include <algorithm>
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
        }
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
