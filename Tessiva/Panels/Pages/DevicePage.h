#pragma once

#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/DeviceDialog.h"

class CTessivaDoc;

// The base of every tab page of a front panel. Like the panel, it keeps the
// device's key and the document and reaches the device through the document
// for every operation. Enter and Escape never end a page.
//
// A page gets its window after its construction (make or createIn), so
// onInitDialog binds its controls once, with the page's own overrides.
class DevicePage : public DeviceDialog
{
protected:
    DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aTemplateId);

    // Runs the exchange, then bindControls inside the error guard.
    bool onInitDialog() override;
    // Makes the page's observers and binds them to its controls; the base
    // binds nothing.
    virtual void bindControls();
};
