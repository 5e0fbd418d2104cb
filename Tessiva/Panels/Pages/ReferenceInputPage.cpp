#include "Tessiva/Panels/Pages/ReferenceInputPage.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/ReadOnlyListBox.h"
#include "Tessiva/Controls/Win32BitmapObserver.h"
#include "Tessiva/Controls/Win32StringListBoxObserver.h"
#include "Tessiva/Controls/LedBitmaps.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;

// The lists in binding order, with their strings and status parameters.
struct StatusList
{
    int controlId;
    unsigned firstString;
    unsigned lastString;
    int index; // of group 'b'
};

const StatusList theStatusLists[] = {
    {ReferenceInputPage::lockStatusId, 15000, 15001, 0},
    {ReferenceInputPage::sampleRateId, 10101, 10104, 1},
    {ReferenceInputPage::integrityId, 15010, 15011, 2},
    {ReferenceInputPage::formatId, 15020, 15021, 3},
    {ReferenceInputPage::subcodeSampleRateId, 10101, 10104, 5},
    {ReferenceInputPage::audioBitId, 15040, 15041, 4},
};
}

ReferenceInputPage::ReferenceInputPage(Platform::Window* aParentWindow, const DeviceKey& aKey,
                                       CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument),
      myBitTests{BitMaskPredicate(1), BitMaskPredicate(2), BitMaskPredicate(4), BitMaskPredicate(8),
                 BitMaskPredicate(16), BitMaskPredicate(32), BitMaskPredicate(64), BitMaskPredicate(128)}
{
    myLeds.fill(nullptr);
    createPage(dialogId, aParentWindow);
}

ReferenceInputPage::~ReferenceInputPage()
{
    for (std::unique_ptr<Win32StringListBoxObserver>& observer : myListObservers)
    {
        observer.reset();
    }
    for (std::unique_ptr<Win32BitmapObserver>& observer : myLedObservers)
    {
        observer.reset();
    }
}

Platform::DialogTemplate ReferenceInputPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle led;
    led.image = true;
    led.tabStop = false;
    Platform::DialogTemplate page(dialogId, "", 265, 162);
    page.add(WindowKind::GroupBox, theLabelId, "Reference Input", 7, 4, 120, 80, group)
        .add(WindowKind::Static, theLabelId, "Lock Status", 14, 18, 50, 8)
        .add(WindowKind::ListBox, lockStatusId, "", 66, 16, 56, 12)
        .add(WindowKind::Static, theLabelId, "Sample Rate", 14, 38, 50, 8)
        .add(WindowKind::ListBox, sampleRateId, "", 66, 36, 56, 12)
        .add(WindowKind::Static, theLabelId, "Integrity", 14, 58, 50, 8)
        .add(WindowKind::ListBox, integrityId, "", 66, 56, 56, 12)
        .add(WindowKind::GroupBox, theLabelId, "Reference Input Subcode Status Bits", 134, 4, 124, 80, group)
        .add(WindowKind::Static, theLabelId, "Format", 140, 18, 50, 8)
        .add(WindowKind::ListBox, formatId, "", 194, 16, 58, 12)
        .add(WindowKind::Static, theLabelId, "Sample Rate", 140, 38, 50, 8)
        .add(WindowKind::ListBox, subcodeSampleRateId, "", 194, 36, 58, 12)
        .add(WindowKind::Static, theLabelId, "Audio Bit", 140, 58, 50, 8)
        .add(WindowKind::ListBox, audioBitId, "", 194, 56, 58, 12)
        .add(WindowKind::GroupBox, theLabelId, "Stream Number", 7, 92, 251, 62, group);
    // The most significant bit on the left: LED 1078 over "7", LED 1071 over "0".
    for (int bit = theLedCount - 1; bit >= 0; --bit)
    {
        const int x = 24 + (theLedCount - 1 - bit) * 28;
        page.addImage(WindowKind::Static, firstLedId + bit, ledOffBitmap, x, 110, 12, 12, led)
            .add(WindowKind::Static, theLabelId, std::to_string(bit), x + 3, 128, 8, 8);
    }
    return page;
}

void ReferenceInputPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    LedBitmaps::addResources(aResources);
    Platform::StringTable& strings = aResources.strings();
    strings.add(dialogId, "Reference Input");
    strings.addRun(15000, {"Not locked", "Locked"});
    strings.addRun(10101, {"48 kHz", "44.1 kHz", "32 kHz", "Not Indicated"});
    strings.addRun(15010, {"High", "Low"});
    strings.addRun(15020, {"Consumer", "Professional"});
    strings.addRun(15040, {"Audio", "Non-audio"});
}

bool ReferenceInputPage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        createObservers();
    }
    return result;
}

void ReferenceInputPage::doDataExchange()
{
    DevicePage::doDataExchange();
    for (int led = 0; led < theLedCount; ++led)
    {
        myLeds[led] = &control(firstLedId + led);
    }
    for (int list = 0; list < theListCount; ++list)
    {
        myLists[list].reset(new ReadOnlyListBox(&control(theStatusLists[list].controlId)));
    }
}

void ReferenceInputPage::createObservers()
{
    guarded([this]() {
        createStatusObservers();
        createLedObservers();
    });
}

void ReferenceInputPage::createStatusObservers()
{
    const Platform::StringTable& strings = Platform::Application::current().resources().strings();
    for (int list = 0; list < theListCount; ++list)
    {
        const StatusList& entry = theStatusLists[list];
        myListObservers[list].reset(new Win32StringListBoxObserver(myLists[list]->window(), entry.firstString,
                                                                   entry.lastString, strings));
        document()->attachStatusObserver(key(), ParameterId('b', entry.index), myListObservers[list].get());
    }
}

void ReferenceInputPage::createLedObservers()
{
    const Platform::Resources& resources = Platform::Application::current().resources();
    myLedOff = LoadedBitmap::load(resources, ledOffBitmap);
    if (!myLedOff)
    {
        throw VornaException("Error loading the off led");
    }
    myLedOn = LoadedBitmap::load(resources, ledOnBitmap);
    if (!myLedOn)
    {
        throw VornaException("Error loading the on led");
    }
    for (int led = 0; led < theLedCount; ++led)
    {
        myLedObservers[led].reset(new Win32BitmapObserver(myLeds[led], &myBitTests[led], &*myLedOn, &*myLedOff));
        document()->attachStatusObserver(key(), ParameterId('b', 12), myLedObservers[led].get());
    }
}
