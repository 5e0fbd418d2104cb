#pragma once

#include <chrono>

// The time source of the download's time limits: steady time, which also runs
// while the program waits on the serial line. Tests derive from it to run the
// limits without waiting for them.
class DownloadClock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~DownloadClock() = default;

    virtual TimePoint now() const;
    // A short rest between the passes of a wait that has nothing to read, so
    // that it does not spin the processor.
    virtual void pause() const;

    // The clock of a real run.
    static const DownloadClock& steady();
};
