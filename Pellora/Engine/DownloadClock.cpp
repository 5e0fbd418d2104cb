#include "Pellora/Engine/DownloadClock.h"

#include <thread>

DownloadClock::TimePoint DownloadClock::now() const
{
    return std::chrono::steady_clock::now();
}

void DownloadClock::pause() const
{
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

const DownloadClock& DownloadClock::steady()
{
    static const DownloadClock clock;
    return clock;
}
