#include "Toolkit/Controls/Win32SpinObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Parameter/Parameter.h"

#include <cstdint>
#include <limits>

Win32SpinObserver::Win32SpinObserver(Platform::Window* aSpinControl)
    : mySpinControl(aSpinControl)
{
    VORNA_ASSERT(aSpinControl != NULL);
}

void Win32SpinObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    mySpinControl->enable(subject->available());
}

int Win32SpinObserver::positionToValue(int aPosition) const
{
    return aPosition;
}

int Win32SpinObserver::valueToPosition(int aValue) const
{
    return aValue;
}

void Win32SpinObserver::step(int aDelta)
{
    const Parameter* subject = parameter();
    if (subject == nullptr)
    {
        return;
    }
    const long long position = static_cast<long long>(valueToPosition(subject->value().toShort())) + aDelta;
    if (position < std::numeric_limits<int>::min() || position > std::numeric_limits<int>::max())
    {
        return;
    }
    const int value = positionToValue(static_cast<int>(position));
    // Cut to 16 bits, a step past one end would come back in at the other.
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
    {
        return;
    }
    requestValue(ParameterValue(value));
}

void Win32SpinObserver::routeNotifications(const ControlBinder& aBinder)
{
    aBinder.handleStep(*spinControl(), [this](int aStep) { step(aStep); });
}
