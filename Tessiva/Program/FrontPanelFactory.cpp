#include "Tessiva/Program/FrontPanelFactory.h"

#include "Platform/Assertion.h"
#include "Tessiva/Panels/DevicePanel.h"
#include "Tessiva/Panels/Kq310FrontPanel.h"
#include "Tessiva/Panels/UnitFrontPanel.h"
#include "Tessiva/Program/TessivaView.h"

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
    std::unique_ptr<DevicePanel> panel;
    if (aDeviceType == kq310)
    {
        panel = DevicePanel::make<Kq310FrontPanel>(aTabControl, aKey, &aDocument, &aView);
    }
    else
    {
        // The KQ330 and the KQ350 share one panel.
        panel = DevicePanel::make<UnitFrontPanel>(aTabControl, aKey, &aDocument);
    }
    VORNA_ASSERT(panel->window() != NULL);
    return panel;
}
