#pragma once

#include "Platform/Window/Event.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

class ControlObserver;
class Observer;
class Subject;
class Win32EditObserver;

namespace Platform
{
class Window;
}

// Binds a dialog's controls to parameters in one call: makes a control's
// observer into the dialog's member, attaches it and routes the control's
// notifications to it: a combo box's selection, a check box's or a command
// button's click, an edit's typing and loss of focus, an up-down's step. An
// observer that only shows takes none. Every handler runs inside the guard
// the dialog chose, and keeps its own copy of it, so a handler whose guard
// deletes the dialog never touches the dialog afterwards.
class ControlBinder
{
public:
    // Runs a handler's body; what becomes of its errors is the dialog's choice.
    typedef std::function<void(const std::function<void()>& aBody)> Guard;
    // Attaches an observer to the parameter it stands for.
    typedef std::function<void(Observer* anObserver)> Attach;

    explicit ControlBinder(const Guard& aGuard);

    // The guard of a dialog whose refused values only put the control back:
    // a VornaException goes no further.
    static void dropRefusals(const std::function<void()>& aBody);
    // The guard of a dialog that only tells its errors: a VornaException's
    // text goes to a message box and the dialog stays as it is.
    static void tellRefusals(const std::function<void()>& aBody);

    // Runs aBody inside the guard.
    void guarded(const std::function<void()>& aBody) const;
    // Makes aBody, run inside the guard, the handler of aControl's notification.
    void handle(Platform::Window& aControl, Platform::Notification aNotification,
                const std::function<void()>& aBody) const;
    // The same for a handler that reads or answers the event.
    void handleEvent(Platform::Window& aControl, Platform::Notification aNotification,
                     const std::function<void(Platform::Event& anEvent)>& aBody) const;
    // Makes aBody, run inside the guard, the handler of the up-down aSpin's
    // steps: aStep is +1 a position towards the up arrow, whatever the range,
    // and the control's own move is let through.
    void handleStep(Platform::Window& aSpin, const std::function<void(int aStep)>& aBody) const;
    // Routes only an edit's loss of focus, which puts the parameter's value
    // back: for an edit whose typing the dialog handles itself.
    void routeFocusLost(Win32EditObserver* anObserver) const;

    // The type an observer is made as: TMade, or by default the member's own.
    template <class TMade, class TMember>
    using Made = std::conditional_t<std::is_void_v<TMade>, TMember, TMade>;

    // Makes the observer, a TMade (by default the member's own type), from
    // anArgs into aMember; attaches and routes nothing. Returns the made
    // type.
    template <class TMade = void, class TMember, class... TArgs>
    static Made<TMade, TMember>& make(std::unique_ptr<TMember>& aMember, TArgs&&... anArgs)
    {
        auto made = std::make_unique<Made<TMade, TMember>>(std::forward<TArgs>(anArgs)...);
        Made<TMade, TMember>& observer = *made;
        aMember = std::move(made);
        return observer;
    }

    // Makes the observer into aMember, attaches it with anAttach and routes
    // its control's notifications to it, as its kind says it takes them. The
    // member must not be replaced while the window lives, except by binding
    // it again.
    template <class TMade = void, class TMember, class... TArgs>
    TMember& bind(std::unique_ptr<TMember>& aMember, const Attach& anAttach, TArgs&&... anArgs) const
    {
        Made<TMade, TMember>& observer = make<TMade>(aMember, std::forward<TArgs>(anArgs)...);
        anAttach(&observer);
        route(&observer);
        return observer;
    }

    // The same for an observer of aSubject itself.
    template <class TMade = void, class TMember, class... TArgs>
    TMember& bind(std::unique_ptr<TMember>& aMember, Subject& aSubject, TArgs&&... anArgs) const
    {
        return bind<TMade>(aMember, attachingTo(aSubject), std::forward<TArgs>(anArgs)...);
    }

    // Routes the notifications that anObserver's kind takes, as the observer
    // itself says.
    void route(ControlObserver* anObserver) const;

private:
    static Attach attachingTo(Subject& aSubject);

    Guard myGuard;
};
