#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <cstdint>

class ButtonCoordinator;

// Binds a push button to a command value of a parameter: a click writes the
// value, also when the parameter holds it already, unless the button's status
// shows it pressed.
class Win32ButtonControlOnlyObserver : public ControlObserver
{
public:
    // Does not own the coordinator.
    Win32ButtonControlOnlyObserver(ButtonCoordinator* aCoordinator, std::int16_t aCommandValue);

    void update(Subject* aSubject) override;
    void click();
    // The button's click.
    void routeNotifications(const ControlBinder& aBinder) override;

    const ParameterValue& cachedValue() const { return myValue; }
    ButtonCoordinator* coordinator() const { return myCoordinator; }

private:
    ButtonCoordinator* myCoordinator;
    std::int16_t myCommandValue;
    ParameterValue myValue;
};
