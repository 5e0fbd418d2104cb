#pragma once

#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/DeviceDialog.h"

class CTessivaDoc;

// The base of every tab page of a front panel. Like the panel, it keeps the
// device's key and the document and reaches the device through the document
// for every operation. Enter and Escape never end a page.
//
// A page's constructor builds its members, then calls createPage: the window
// is made there, so onInitDialog runs with that class's overrides and binds
// the controls.
class DevicePage : public DeviceDialog
{
public:
    DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument);

protected:
    // Creates the window from the template as a child of aParent (the page
    // tab control's window) and raises it above its siblings in place.
    bool createPage(unsigned aDialogId, Platform::Window* aParent);

    // Runs the exchange, then bindControls inside the error guard.
    bool onInitDialog() override;
    // Makes the page's observers and binds them to its controls; the base
    // binds nothing.
    virtual void bindControls();
};
