#pragma once

#include "Tessiva/Program/PanelFactory.h"

// The program's panels: the KQ310 front panel for a KQ310, the panel shared
// by the KQ330 and the KQ350 for those.
class FrontPanelFactory : public PanelFactory
{
public:
    void addResources(Platform::Resources& aResources) override;
    std::unique_ptr<DevicePanel> createPanel(int aDeviceType, Platform::Window* aTabControl, const DeviceKey& aKey,
                                             CTessivaDoc& aDocument, TessivaView& aView) override;
};
