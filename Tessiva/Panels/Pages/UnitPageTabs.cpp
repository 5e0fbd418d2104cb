#include "Tessiva/Panels/Pages/UnitPageTabs.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/PresetsPage.h"
#include "Tessiva/Panels/Pages/ReferenceInputPage.h"
#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"
#include "Tessiva/Panels/Pages/UnitTimeCodePage.h"

void UnitPageTabs::addResources(Platform::Resources& aResources)
{
    PreprocessingPage::addResources(aResources);
    BitstreamInfoPage::addResources(aResources);
    DualMonoPage::addResources(aResources);
    UnitInputOutputPage::addResources(aResources);
    ReferenceInputPage::addResources(aResources);
    PresetsPage::addResources(aResources);
    UnitTimeCodePage::addResources(aResources);
    addTabLabels(aResources.strings());
}

void UnitPageTabs::addPages(const DeviceKey& aKey, CTessivaDoc* aDocument)
{
    VORNA_ASSERT(aDocument != NULL);
    setOwner(aDocument);
    Platform::Window* parent = window();
    VORNA_ASSERT(parent != NULL);
    addPage(preprocessingLabel, new PreprocessingPage(parent, aKey, aDocument));
    addPage(bitstreamInfoLabel, new BitstreamInfoPage(parent, aKey, aDocument));
    addPage(dualMonoLabel, new DualMonoPage(parent, aKey, aDocument));
    addPage(inputOutputLabel, new UnitInputOutputPage(parent, aKey, aDocument));
    addPage(referenceInputLabel, new ReferenceInputPage(parent, aKey, aDocument));
    addPage(presetsLabel, new PresetsPage(parent, aKey, aDocument));
    addPage(timeCodeLabel, new UnitTimeCodePage(parent, aKey, aDocument));
    if (DevicePage* first = page(0))
    {
        first->enableWindow(true);
        first->showWindow(true);
    }
}
