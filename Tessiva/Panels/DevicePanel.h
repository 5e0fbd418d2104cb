#pragma once

#include "Platform/Window/Event.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/ChildDialog.h"

#include <functional>
#include <string>

class CTessivaDoc;

// The base of the front panels: the dialog on a device's tab. It keeps the
// device's key and the document, never the device: every operation looks the
// key up in the document, so a panel whose device is gone touches nothing.
// Enter and Escape do nothing. The derived front panel creates the window.
class DevicePanel : public ChildDialog
{
public:
    // aParent is accepted for the derived panel, which creates the window.
    DevicePanel(Platform::Window* aParent, const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId);
    ~DevicePanel() override;

    // The device name on the tab of open devices.
    virtual void getName(std::string& aName) const = 0;

    bool isFor(const DeviceKey& aKey) const { return myKey == aKey; }
    const DeviceKey& key() const { return myKey; }
    CTessivaDoc* document() const { return myDocument; }

protected:
    void doDataExchange() override;
    void onOK() override;
    void onCancel() override;

    // Runs aBody inside the standard error guard for this panel's device.
    void guarded(const std::function<void()>& aBody);
    // Makes aBody, run inside the guard, the handler of control anId's notification.
    void handle(int anId, Platform::Notification aNotification, const std::function<void()>& aBody);
    // The same for a handler that reads or answers the event (an up-down's delta).
    void handleEvent(int anId, Platform::Notification aNotification,
                     const std::function<void(Platform::Event& anEvent)>& aBody);

private:
    CTessivaDoc* myDocument;
    DeviceKey myKey;
};
