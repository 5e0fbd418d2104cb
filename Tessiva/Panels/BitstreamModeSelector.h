#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <vector>

namespace Platform
{
class Window;
}

// Shows one of the two bit-stream mode lists after the audio coding mode:
// the first below mode 2 (1+1 and 1/0), the second from mode 2 on. Both
// lists follow the bit-stream mode; only the text of its last value differs.
class BitstreamModeSelector : public ControlObserver
{
public:
    // A nullptr window is skipped.
    BitstreamModeSelector(Platform::Window* aBelowTwo, Platform::Window* aFromTwo);

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

private:
    std::vector<Platform::Window*> myWindows;
};
