#include "tests/Pellora/SteppingClock.h"

SteppingClock::SteppingClock(std::chrono::milliseconds aStep)
    : myStep(aStep)
{
}

DownloadClock::TimePoint SteppingClock::now() const
{
    myNow += myStep;
    return myNow;
}

void SteppingClock::pause() const
{
    ++myPauses;
}

std::chrono::milliseconds SteppingClock::elapsed() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(myNow - myStart);
}
