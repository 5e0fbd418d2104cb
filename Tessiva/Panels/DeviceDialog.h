#pragma once

#include "Platform/Window/Event.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/ChildDialog.h"

#include <functional>

class CTessivaDoc;

// What the front panels and their pages share: a child dialog that keeps the
// device's key and the document, never the device, and runs its handlers
// inside the standard error guard for that device. Enter and Escape do
// nothing.
class DeviceDialog : public ChildDialog
{
public:
    const DeviceKey& key() const { return myKey; }
    CTessivaDoc* document() const { return myDocument; }

protected:
    DeviceDialog(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId = 0);
    ~DeviceDialog() override;

    void doDataExchange() override;
    void onOK() override;
    void onCancel() override;

    // Runs aBody inside the standard error guard for this dialog's device.
    void guarded(const std::function<void()>& aBody);
    // Makes aBody, run inside the guard, the handler of control anId's notification.
    void handle(int anId, Platform::Notification aNotification, const std::function<void()>& aBody);
    // The same for a handler that reads or answers the event (an up-down's delta).
    void handleEvent(int anId, Platform::Notification aNotification,
                     const std::function<void(Platform::Event& anEvent)>& aBody);

private:
    DeviceKey myKey;
    CTessivaDoc* myDocument;
};
