#pragma once

#include "Toolkit/Controls/ControlObserver.h"

namespace Platform
{
class Window;
}

// Binds an up-down control to a parameter: a step asks for the value one
// delta away. The up-down's own position is not used; positions and values
// convert through two operations that a derived observer may replace (for
// packed-BCD values, say).
class Win32SpinObserver : public ControlObserver
{
public:
    explicit Win32SpinObserver(Platform::Window* aSpinControl);

    void update(Subject* aSubject) override;
    // The identity here.
    virtual int positionToValue(int aPosition) const;
    virtual int valueToPosition(int aValue) const;
    // Asks for the value at the position aDelta away from the present one. A
    // value beyond the 16-bit range is no value and is not asked for.
    void step(int aDelta);
    // The up-down's steps, +1 towards its up arrow.
    void routeNotifications(const ControlBinder& aBinder) override;
    Platform::Window* spinControl() const { return mySpinControl; }

private:
    Platform::Window* mySpinControl;
};
