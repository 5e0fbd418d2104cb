#pragma once

#include "Tessiva/DeviceKey.h"

#include <functional>

class CTessivaDoc;

// The error guard of every panel and page handler: a wire error brings up
// the Communications Error dialog for the device; any other error of the
// program shows its text, and then the device on the selected tab is closed.
// Nothing else is caught.
class DeviceErrorGuard
{
public:
    // Runs aBody and reports its errors through aDocument for aKey. The
    // report may close the device and so delete the caller's panel: after it
    // the caller must not touch its members.
    static void run(CTessivaDoc* aDocument, const DeviceKey& aKey, const std::function<void()>& aBody);
};
