#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <cstdint>
#include <vector>

class ButtonCoordinator;

// Shows a push button pressed while the parameter holds one of its values,
// and tells the button's command observer so (a pressed button sends nothing).
class Win32ButtonStatusObserver : public ControlObserver
{
public:
    // Does not own the coordinator.
    Win32ButtonStatusObserver(ButtonCoordinator* aCoordinator, std::int16_t aValue);

    void addValue(std::int16_t aValue);
    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

    const std::vector<std::int16_t>& values() const { return myValues; }

private:
    ButtonCoordinator* myCoordinator;
    std::vector<std::int16_t> myValues;
};
