#pragma once

#include "Platform/Window/Event.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/ChildDialog.h"

#include <functional>

class CTessivaDoc;

// The base of every tab page of a front panel. Like the panel, it keeps the
// device's key and the document and reaches the device through the document
// for every operation. Enter and Escape never end a page.
//
// A page's constructor builds its members, sets its observer pointers to
// null, then calls createPage: the window is made there, so onInitDialog
// runs with that class's overrides and creates the observers.
class DevicePage : public ChildDialog
{
public:
    DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~DevicePage() override;

    const DeviceKey& key() const { return myKey; }
    CTessivaDoc* document() const { return myDocument; }

protected:
    // Creates the window from the template as a child of aParent (the page
    // tab control's window) and raises it above its siblings in place.
    bool createPage(unsigned aDialogId, Platform::Window* aParent);

    void doDataExchange() override;
    void onOK() override;
    void onCancel() override;

    // Runs aBody inside the standard error guard for this page's device.
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
