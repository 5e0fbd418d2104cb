#pragma once

#include "Tessiva/Panels/Pages/PageTabControl.h"

class CTessivaDoc;
class DeviceKey;

namespace Platform
{
class Resources;
}

// The KQ330/KQ350 front panel's row of pages: Preprocessing, Bitstream
// Info, Dual Mono, Input/Output, Reference Input, Presets and Time Code, in
// this order.
class UnitPageTabs : public PageTabControl
{
public:
    // The pages' templates and texts and their tab labels (in
    // UnitPanelResources.cpp).
    static void addResources(Platform::Resources& aResources);

    // Builds the pages inside this control's window (bound first). Errors of
    // a page's creation pass to the caller; the pages built stay owned.
    void addPages(const DeviceKey& aKey, CTessivaDoc* aDocument);
};
