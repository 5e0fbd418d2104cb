#pragma once

#include "Tessiva/DeviceKey.h"

#include <memory>

class CTessivaDoc;
class DevicePanel;
class TessivaView;

namespace Platform
{
class Resources;
class Window;
}

// Builds the panel of a newly opened device inside the tab control of open
// devices. The base builds a plain panel that only names its device, enough
// for the view's own work; FrontPanelFactory builds the models' front panels.
class PanelFactory
{
public:
    // Device types as the connection settings give them.
    static constexpr int kq310 = 0;
    static constexpr int kq330 = 1;
    static constexpr int kq350 = 2;
    // The plain panel's template.
    static constexpr unsigned plainPanelTemplate = 159;
    static constexpr int plainPanelText = 1090;

    PanelFactory() {}
    virtual ~PanelFactory() = default;
    PanelFactory(const PanelFactory&) = delete;
    PanelFactory& operator=(const PanelFactory&) = delete;

    // The templates and bitmaps the panels need.
    virtual void addResources(Platform::Resources& aResources);
    // The panel of a device of aDeviceType (kq310, kq330 or kq350), a child
    // window of aTabControl.
    virtual std::unique_ptr<DevicePanel> createPanel(int aDeviceType, Platform::Window* aTabControl,
                                                     const DeviceKey& aKey, CTessivaDoc& aDocument,
                                                     TessivaView& aView);

protected:
    std::unique_ptr<DevicePanel> createPlainPanel(int aDeviceType, Platform::Window* aTabControl,
                                                  const DeviceKey& aKey, CTessivaDoc& aDocument);
};
