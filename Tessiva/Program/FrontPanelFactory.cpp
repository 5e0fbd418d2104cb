#include "Tessiva/Program/FrontPanelFactory.h"

#include "Tessiva/Panels/DevicePanel.h"
#include "Tessiva/Program/TessivaView.h"

#include "Tessiva/Panels/Kq310FrontPanel.h"
#include "Tessiva/Panels/UnitFrontPanel.h"

void FrontPanelFactory::addResources(Platform::Resources& aResources)
{
    PanelFactory::addResources(aResources);
    Kq310FrontPanel::addResources(aResources);
    UnitFrontPanel::addResources(aResources);
}

std::unique_ptr<DevicePanel> FrontPanelFactory::createPanel(int aDeviceType, Platform::Window* aTabControl,
                                                            const DeviceKey& aKey, CTessivaDoc& aDocument,
                                                            TessivaView& aView)
{
    if (aDeviceType == kq310)
    {
        return DevicePanel::make<Kq310FrontPanel>(aTabControl, aKey, &aDocument, &aView);
    }
    // The KQ330 and the KQ350 share one panel.
    return DevicePanel::make<UnitFrontPanel>(aTabControl, aKey, &aDocument);
}
