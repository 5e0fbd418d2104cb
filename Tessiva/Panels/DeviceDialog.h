#pragma once

#include "Platform/Window/Event.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/ChildDialog.h"
#include "Toolkit/Controls/ControlBinder.h"

#include <functional>
#include <memory>
#include <utility>

class CTessivaDoc;
class LedBitRow;
class Observer;
class ParameterId;
class Subject;
class Win32EditObserver;

// What the front panels and their pages share: a child dialog that keeps the
// device's key and the document, never the device, and runs its handlers
// inside the standard error guard for that device. Enter and Escape do
// nothing.
//
// A control is bound in one call: bindControl or bindStatus makes its
// observer into a member, attaches it to the device's parameter and routes
// the control's notifications to it, through the ControlBinder that every
// dialog of both programs binds with. The dialog declares its observers after
// what they point to (coordinators, bitmaps, converters, predicates), so the
// observers go first and no destructor has to order them by hand.
class DeviceDialog : public ChildDialog
{
public:
    const DeviceKey& key() const { return myKey; }
    CTessivaDoc* document() const { return myDocument; }

protected:
    DeviceDialog(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId = 0);

    // Runs aBody inside the standard error guard for this dialog's device.
    void guarded(const std::function<void()>& aBody);
    // Makes aBody, run inside the guard, the handler of control anId's notification.
    void handle(int anId, Platform::Notification aNotification, const std::function<void()>& aBody);
    void handle(Platform::Window& aControl, Platform::Notification aNotification, const std::function<void()>& aBody);
    // The same for a handler that reads or answers the event (an up-down's delta).
    void handleEvent(int anId, Platform::Notification aNotification,
                     const std::function<void(Platform::Event& anEvent)>& aBody);
    void handleEvent(Platform::Window& aControl, Platform::Notification aNotification,
                     const std::function<void(Platform::Event& anEvent)>& aBody);
    // Makes aBody, run inside the guard, the handler of up-down anId's steps,
    // +1 towards its up arrow.
    void handleStep(int anId, const std::function<void(int aStep)>& aBody);
    // Routes only the loss of focus of an edit whose typing this dialog handles itself.
    void routeFocusLost(Win32EditObserver& anObserver);

    // Makes the observer, a TMade (by default the member's own type), from
    // anArgs into aMember, attaches it to the control parameter anId of this
    // dialog's device and routes its control's notifications to it: a combo
    // box's selection, a check box's or a command button's click, an edit's
    // typing and loss of focus, an up-down's step, as the observer's kind takes
    // them. An observer that only shows takes none. The member must not be
    // replaced while the window lives.
    template <class TMade = void, class TMember, class... TArgs>
    TMember& bindControl(std::unique_ptr<TMember>& aMember, const ParameterId& anId, TArgs&&... anArgs)
    {
        ControlBinder::Made<TMade, TMember>& observer =
            attachControl<TMade>(aMember, anId, std::forward<TArgs>(anArgs)...);
        myBinder.route(&observer);
        return observer;
    }

    // The same for a status parameter, which the user cannot change: the
    // observer only shows it.
    template <class TMade = void, class TMember, class... TArgs>
    TMember& bindStatus(std::unique_ptr<TMember>& aMember, const ParameterId& anId, TArgs&&... anArgs)
    {
        TMember& observer = ControlBinder::make<TMade>(aMember, std::forward<TArgs>(anArgs)...);
        attachToStatus(anId, &observer);
        return observer;
    }

    // The same for a parameter of this dialog's own rather than the device's.
    template <class TMade = void, class TMember, class... TArgs>
    TMember& bindOwn(std::unique_ptr<TMember>& aMember, Subject& aParameter, TArgs&&... anArgs)
    {
        return myBinder.bind<TMade>(aMember, aParameter, std::forward<TArgs>(anArgs)...);
    }

    // Binds the row's LEDs, aFirstLedId and the seven ids after it, to the
    // bits of the status parameter anId; the LED pictures must be in the
    // program's resources.
    void bindLedRow(LedBitRow& aRow, const ParameterId& anId, int aFirstLedId);

    // Makes and attaches like bindControl but routes nothing: for a control
    // whose input this dialog handles itself.
    template <class TMade = void, class TMember, class... TArgs>
    ControlBinder::Made<TMade, TMember>& attachControl(std::unique_ptr<TMember>& aMember, const ParameterId& anId,
                                                       TArgs&&... anArgs)
    {
        ControlBinder::Made<TMade, TMember>& observer =
            ControlBinder::make<TMade>(aMember, std::forward<TArgs>(anArgs)...);
        attachToControl(anId, &observer);
        return observer;
    }

private:
    void attachToControl(const ParameterId& anId, Observer* anObserver);
    void attachToStatus(const ParameterId& anId, Observer* anObserver);

    DeviceKey myKey;
    CTessivaDoc* myDocument;
    // Routes the notifications into the device's error guard.
    ControlBinder myBinder;
};
