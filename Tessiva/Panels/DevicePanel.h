#pragma once

#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/DeviceDialog.h"

#include <string>

class CTessivaDoc;

// The base of the front panels: the dialog on a device's tab. It keeps the
// device's key and the document, never the device: every operation looks the
// key up in the document, so a panel whose device is gone touches nothing.
// Enter and Escape do nothing. Its window is made after its construction
// (make or createIn), inside the tab control of open devices.
class DevicePanel : public DeviceDialog
{
public:
    DevicePanel(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId);

    // The device name on the tab of open devices.
    virtual void getName(std::string& aName) const = 0;

    bool isFor(const DeviceKey& aKey) const { return key() == aKey; }
};
