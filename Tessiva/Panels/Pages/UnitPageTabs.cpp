#include "Tessiva/Panels/Pages/UnitPageTabs.h"

#include "Platform/Assertion.h"
#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/PresetsPage.h"
#include "Tessiva/Panels/Pages/ReferenceInputPage.h"
#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"
#include "Tessiva/Panels/Pages/UnitTimeCodePage.h"

#include <memory>

void UnitPageTabs::addPages(const DeviceKey& aKey, CTessivaDoc* aDocument)
{
    VORNA_ASSERT(aDocument != NULL);
    setOwner(aDocument);
    Platform::Window* parent = window();
    VORNA_ASSERT(parent != NULL);
    addPage(preprocessingLabel, DevicePage::make<PreprocessingPage>(parent, aKey, aDocument));
    addPage(bitstreamInfoLabel, DevicePage::make<BitstreamInfoPage>(parent, aKey, aDocument));
    addPage(dualMonoLabel, DevicePage::make<DualMonoPage>(parent, aKey, aDocument));
    addPage(inputOutputLabel, DevicePage::make<UnitInputOutputPage>(parent, aKey, aDocument));
    addPage(referenceInputLabel, DevicePage::make<ReferenceInputPage>(parent, aKey, aDocument));
    addPage(presetsLabel, DevicePage::make<PresetsPage>(parent, aKey, aDocument));
    addPage(timeCodeLabel, DevicePage::make<UnitTimeCodePage>(parent, aKey, aDocument));
    if (DevicePage* first = page(0))
    {
        first->enableWindow(true);
        first->showWindow(true);
    }
}
