#include "Toolkit/Controls/Win32ButtonControlOnlyObserver.h"

#include "Platform/Assertion.h"
#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Controls/ButtonCoordinator.h"
#include "Toolkit/Parameter/Parameter.h"

Win32ButtonControlOnlyObserver::Win32ButtonControlOnlyObserver(ButtonCoordinator* aCoordinator,
                                                               std::int16_t aCommandValue)
    : myCoordinator(aCoordinator), myCommandValue(aCommandValue)
{
    VORNA_ASSERT(aCoordinator != NULL);
}

void Win32ButtonControlOnlyObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    myValue = subject->value();
    myCoordinator->enable(subject->available() && subject->minimum().toShort() <= myCommandValue &&
                          myCommandValue <= subject->maximum().toShort());
}

void Win32ButtonControlOnlyObserver::click()
{
    if (parameter() == nullptr)
    {
        return;
    }
    // The user's push released or pressed the button; it shows what the status says.
    myCoordinator->applyPressedLook();
    if (myCoordinator->pressedByStatus())
    {
        return;
    }
    forceValue(ParameterValue(myCommandValue));
}

void Win32ButtonControlOnlyObserver::routeNotifications(const ControlBinder& aBinder)
{
    aBinder.handle(*coordinator()->button(), Platform::Notification::Clicked, [this]() { click(); });
}
