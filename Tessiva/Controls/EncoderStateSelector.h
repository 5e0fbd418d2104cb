#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <vector>

namespace Platform
{
class Window;
}

// Chooses which of two encoder-state displays is seen: the first while the
// requested encoder state is 0 or below, the second while it is above 0.
// The parameter's availability is not shown.
class EncoderStateSelector : public ControlObserver
{
public:
    // Throws VornaException "NULL encoder state window." when either is missing.
    EncoderStateSelector(Platform::Window* aWindowA, Platform::Window* aWindowB);

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

private:
    std::vector<Platform::Window*> myWindows;
};
