#pragma once

#include "Tessiva/DeviceKey.h"

#include <string>

namespace Platform
{
class Window;
}

// What the tabs of open devices need of a device's panel: its window in the
// tab control, the key of its device and the model name of its tab label.
// The panel factory wraps each model's front panel in one.
class TabPanel
{
public:
    virtual ~TabPanel();

    virtual Platform::Window& window() const = 0;
    virtual const DeviceKey& key() const = 0;
    virtual std::string getName() const = 0;

    bool isFor(const DeviceKey& aKey) const { return key() == aKey; }

protected:
    TabPanel() {}
    TabPanel(const TabPanel&) = delete;
    TabPanel& operator=(const TabPanel&) = delete;
};
