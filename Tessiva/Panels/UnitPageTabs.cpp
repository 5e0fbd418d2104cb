#include "Tessiva/Panels/UnitPageTabs.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Panels/BitstreamInfoPage.h"
#include "Tessiva/Panels/DevicePage.h"
#include "Tessiva/Panels/DualMonoPage.h"
#include "Tessiva/Panels/PreprocessingPage.h"
#include "Tessiva/Panels/PresetsPage.h"
#include "Tessiva/Panels/ReferenceInputPage.h"
#include "Tessiva/Panels/UnitInputOutputPage.h"
#include "Tessiva/Panels/UnitTimeCodePage.h"

namespace
{
// Tab labels by string id.
const unsigned thePreprocessing = 112;
const unsigned theBitstreamInfo = 111;
const unsigned theDualMono = 113;
const unsigned theInputOutput = 114;
const unsigned theReferenceInput = 118;
const unsigned thePresets = 119;
const unsigned theTimeCode = 116;
}

void UnitPageTabs::addResources(Platform::Resources& aResources)
{
    PreprocessingPage::addResources(aResources);
    BitstreamInfoPage::addResources(aResources);
    DualMonoPage::addResources(aResources);
    UnitInputOutputPage::addResources(aResources);
    ReferenceInputPage::addResources(aResources);
    PresetsPage::addResources(aResources);
    UnitTimeCodePage::addResources(aResources);
    Platform::StringTable& strings = aResources.strings();
    strings.add(thePreprocessing, "Preprocessing");
    strings.add(theBitstreamInfo, "Bitstream Info");
    strings.add(theDualMono, "Dual Mono");
    strings.add(theInputOutput, "Input/Output");
    strings.add(theReferenceInput, "Reference Input");
    strings.add(thePresets, "Presets");
    strings.add(theTimeCode, "Time Code");
}

void UnitPageTabs::addPages(const DeviceKey& aKey, CTessivaDoc* aDocument)
{
    VORNA_ASSERT(aDocument != NULL);
    setOwner(aDocument);
    Platform::Window* parent = window();
    VORNA_ASSERT(parent != NULL);
    addPage(thePreprocessing, new PreprocessingPage(parent, aKey, aDocument));
    addPage(theBitstreamInfo, new BitstreamInfoPage(parent, aKey, aDocument));
    addPage(theDualMono, new DualMonoPage(parent, aKey, aDocument));
    addPage(theInputOutput, new UnitInputOutputPage(parent, aKey, aDocument));
    addPage(theReferenceInput, new ReferenceInputPage(parent, aKey, aDocument));
    addPage(thePresets, new PresetsPage(parent, aKey, aDocument));
    addPage(theTimeCode, new UnitTimeCodePage(parent, aKey, aDocument));
    if (DevicePage* first = page(0))
    {
        first->enableWindow(true);
        first->showWindow(true);
    }
}
