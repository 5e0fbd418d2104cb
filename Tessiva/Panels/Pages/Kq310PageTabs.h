#pragma once

#include "Tessiva/Panels/Pages/PageTabControl.h"

class DeviceKey;
class PollingView;

namespace Platform
{
class Resources;
}

// The KQ310 front panel's row of pages: Preprocessing, Bitstream Info, Dual
// Mono, Input/Output and Time Code, in this order.
class Kq310PageTabs : public PageTabControl
{
public:
    // The pages' templates and texts and their tab labels (in
    // Kq310PanelResources.cpp).
    static void addResources(Platform::Resources& aResources);

    // Builds the pages inside this control's window (bound first). aView lets
    // the Input/Output page stop the poll timer around its own dialog. Errors
    // of a page's creation pass to the caller; the pages built stay owned.
    void addPages(const DeviceKey& aKey, CTessivaDoc* aDocument, PollingView* aView);
};
