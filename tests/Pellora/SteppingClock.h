#pragma once

#include "Pellora/Engine/DownloadClock.h"

#include <chrono>

// A clock that moves on by a fixed step each time it is read and never
// sleeps, so that waits of minutes run in a few passes.
class SteppingClock : public DownloadClock
{
public:
    explicit SteppingClock(std::chrono::milliseconds aStep);

    TimePoint now() const override;
    void pause() const override;

    // How far the clock has moved since it was made.
    std::chrono::milliseconds elapsed() const;
    int pauses() const { return myPauses; }

private:
    std::chrono::milliseconds myStep;
    TimePoint myStart;
    mutable TimePoint myNow;
    mutable int myPauses = 0;
};
