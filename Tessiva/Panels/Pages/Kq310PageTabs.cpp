#include "Tessiva/Panels/Pages/Kq310PageTabs.h"

#include "Platform/Assertion.h"
#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/InputOutputPage.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/TimeCodePage.h"

void Kq310PageTabs::addPages(const DeviceKey& aKey, CTessivaDoc* aDocument, PollingView* aView)
{
    VORNA_ASSERT(aDocument != NULL);
    setOwner(aDocument);
    Platform::Window* parent = window();
    VORNA_ASSERT(parent != NULL);
    addPage(preprocessingLabel, new PreprocessingPage(parent, aKey, owner()));
    addPage(bitstreamInfoLabel, new BitstreamInfoPage(parent, aKey, owner()));
    addPage(dualMonoLabel, new DualMonoPage(parent, aKey, owner()));
    addPage(inputOutputLabel, new InputOutputPage(parent, aKey, owner(), aView, inputOutputLabel));
    addPage(timeCodeLabel, new TimeCodePage(parent, aKey, owner(), timeCodeLabel));
    if (DevicePage* first = page(0))
    {
        first->enableWindow(true);
        first->showWindow(true);
    }
}
