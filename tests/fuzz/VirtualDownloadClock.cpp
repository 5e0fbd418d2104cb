#include "tests/fuzz/VirtualDownloadClock.h"

#include "Platform/SteadyWait.h"

DownloadClock::TimePoint VirtualDownloadClock::now() const
{
    return Platform::SteadyWait::now();
}

void VirtualDownloadClock::pause() const
{
    Platform::SteadyWait::wait(1, nullptr);
}
