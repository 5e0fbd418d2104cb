#include "Tessiva/Program/FrontPanelFactory.h"

#include "Tessiva/Panels/DevicePanel.h"
#include "Tessiva/Program/TessivaView.h"

#if __has_include("Tessiva/Panels/Kq310FrontPanel.h")
#include "Tessiva/Panels/Kq310FrontPanel.h"
#define TESSIVA_HAS_KQ310_PANEL 1
#endif
#if __has_include("Tessiva/Panels/UnitFrontPanel.h")
#include "Tessiva/Panels/UnitFrontPanel.h"
#define TESSIVA_HAS_UNIT_PANEL 1
#endif

void FrontPanelFactory::addResources(Platform::Resources& aResources)
{
    PanelFactory::addResources(aResources);
#ifdef TESSIVA_HAS_KQ310_PANEL
    Kq310FrontPanel::addResources(aResources);
#endif
#ifdef TESSIVA_HAS_UNIT_PANEL
    UnitFrontPanel::addResources(aResources);
#endif
}

std::unique_ptr<DevicePanel> FrontPanelFactory::createPanel(int aDeviceType, Platform::Window* aTabControl,
                                                            const DeviceKey& aKey, CTessivaDoc& aDocument,
                                                            TessivaView& aView)
{
#ifdef TESSIVA_HAS_KQ310_PANEL
    if (aDeviceType == kq310)
    {
        return std::unique_ptr<DevicePanel>(new Kq310FrontPanel(aTabControl, aKey, &aDocument, &aView));
    }
#endif
#ifdef TESSIVA_HAS_UNIT_PANEL
    if (aDeviceType != kq310)
    {
        return std::unique_ptr<DevicePanel>(new UnitFrontPanel(aTabControl, aKey, &aDocument));
    }
#endif
    (void)aView;
    return createPlainPanel(aDeviceType, aTabControl, aKey, aDocument);
}
