#include "Toolkit/Controls/ControlBinder.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/ControlObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Parameter/Subject.h"
#include "Toolkit/Parameter/VornaException.h"

using Platform::Notification;

ControlBinder::ControlBinder(const Guard& aGuard) : myGuard(aGuard)
{
    VORNA_ASSERT(aGuard != nullptr);
}

void ControlBinder::dropRefusals(const std::function<void()>& aBody)
{
    try
    {
        aBody();
    }
    catch (const VornaException&)
    {
    }
}

void ControlBinder::tellRefusals(const std::function<void()>& aBody)
{
    try
    {
        aBody();
    }
    catch (const VornaException& anError)
    {
        Platform::MessageBox::show(anError.what());
    }
}

void ControlBinder::guarded(const std::function<void()>& aBody) const
{
    myGuard(aBody);
}

void ControlBinder::handle(Platform::Window& aControl, Notification aNotification,
                           const std::function<void()>& aBody) const
{
    handleEvent(aControl, aNotification, [aBody](Platform::Event&) { aBody(); });
}

void ControlBinder::handleEvent(Platform::Window& aControl, Notification aNotification,
                                const std::function<void(Platform::Event& anEvent)>& aBody) const
{
    const Guard guard = myGuard;
    aControl.on(aNotification,
                [guard, aBody](Platform::Event& anEvent) { guard([&aBody, &anEvent]() { aBody(anEvent); }); });
}

void ControlBinder::handleStep(Platform::Window& aSpin, const std::function<void(int aStep)>& aBody) const
{
    // The delta counts positions, and the up arrow moves towards the range's
    // upper end, which the default range puts below its lower one: counted
    // that way round, the step goes up on the up arrow whatever the range.
    Platform::Window* const spin = &aSpin;
    handleEvent(aSpin, Notification::SpinDelta, [spin, aBody](Platform::Event& anEvent) {
        anEvent.result = 0;
        aBody(anEvent.delta * spin->upwards());
    });
}

void ControlBinder::routeFocusLost(Win32EditObserver* anObserver) const
{
    handle(*anObserver->editControl(), Notification::FocusLost, [anObserver]() { anObserver->refresh(); });
}

ControlBinder::Attach ControlBinder::attachingTo(Subject& aSubject)
{
    return [&aSubject](Observer* anObserver) { aSubject.attach(anObserver); };
}

void ControlBinder::route(ControlObserver* anObserver) const
{
    VORNA_ASSERT(anObserver != NULL);
    anObserver->routeNotifications(*this);
}
