#include "Tessiva/Panels/Pages/Kq310PageTabs.h"

#include "Platform/Assertion.h"

#include <memory>
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
    addPage(preprocessingLabel, DevicePage::make<PreprocessingPage>(parent, aKey, owner()));
    addPage(bitstreamInfoLabel, DevicePage::make<BitstreamInfoPage>(parent, aKey, owner()));
    addPage(dualMonoLabel, DevicePage::make<DualMonoPage>(parent, aKey, owner()));
    addPage(inputOutputLabel, DevicePage::make<InputOutputPage>(parent, aKey, owner(), aView));
    addPage(timeCodeLabel, DevicePage::make<TimeCodePage>(parent, aKey, owner()));
    if (DevicePage* first = page(0))
    {
        first->enableWindow(true);
        first->showWindow(true);
    }
}
