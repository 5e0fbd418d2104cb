#pragma once

#include "Pellora/Engine/DownloadClock.h"

// The download's clock on the virtual time: a rest moves it on by a
// millisecond instead of sleeping.
class VirtualDownloadClock : public DownloadClock
{
public:
    TimePoint now() const override;
    void pause() const override;
};
