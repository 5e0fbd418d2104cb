#include "Tessiva/Panels/Kq310PageTabs.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Panels/BitstreamInfoPage.h"
#include "Tessiva/Panels/DevicePage.h"
#include "Tessiva/Panels/DualMonoPage.h"
#include "Tessiva/Panels/InputOutputPage.h"
#include "Tessiva/Panels/PreprocessingPage.h"
#include "Tessiva/Panels/TimeCodePage.h"

namespace
{
// A page's tab label is the string whose id is its dialog id.
const unsigned thePreprocessing = 112;
const unsigned theBitstreamInfo = 111;
const unsigned theDualMono = 113;
const unsigned theInputOutput = 114;
const unsigned theTimeCode = 116;
}

void Kq310PageTabs::addResources(Platform::Resources& aResources)
{
    PreprocessingPage::addResources(aResources);
    BitstreamInfoPage::addResources(aResources);
    DualMonoPage::addResources(aResources);
    InputOutputPage::addResources(aResources);
    TimeCodePage::addResources(aResources);
    Platform::StringTable& strings = aResources.strings();
    strings.add(thePreprocessing, "Preprocessing");
    strings.add(theBitstreamInfo, "Bitstream Info");
    strings.add(theDualMono, "Dual Mono");
    strings.add(theInputOutput, "Input/Output");
    strings.add(theTimeCode, "Time Code");
}

void Kq310PageTabs::addPages(const DeviceKey& aKey, CTessivaDoc* aDocument, PollingView* aView)
{
    VORNA_ASSERT(aDocument != NULL);
    setOwner(aDocument);
    Platform::Window* parent = window();
    VORNA_ASSERT(parent != NULL);
    addPage(thePreprocessing, new PreprocessingPage(parent, aKey, owner()));
    addPage(theBitstreamInfo, new BitstreamInfoPage(parent, aKey, owner()));
    addPage(theDualMono, new DualMonoPage(parent, aKey, owner()));
    addPage(theInputOutput, new InputOutputPage(parent, aKey, owner(), aView, theInputOutput));
    addPage(theTimeCode, new TimeCodePage(parent, aKey, owner(), theTimeCode));
    if (DevicePage* first = page(0))
    {
        first->enableWindow(true);
        first->showWindow(true);
    }
}
