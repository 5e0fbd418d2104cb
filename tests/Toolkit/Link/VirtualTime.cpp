#include "VirtualTime.h"

#include <cstddef>

VirtualTime::VirtualTime()
{
    Platform::SteadyWait::setTimeSource(this);
}

VirtualTime::~VirtualTime()
{
    Platform::SteadyWait::setTimeSource(nullptr);
}

Platform::SteadyWait::Clock::time_point VirtualTime::now()
{
    return myNow;
}

void VirtualTime::sleepFor(Platform::SteadyWait::Clock::duration aDuration)
{
    myNow += aDuration;
    mySlept += aDuration;
}

void VirtualTime::advance(Platform::SteadyWait::Clock::duration aDuration)
{
    myNow += aDuration;
}

long long VirtualTime::elapsedMilliseconds() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(myNow - myStart).count();
}

long long VirtualTime::sleptMilliseconds() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(mySlept).count();
}
