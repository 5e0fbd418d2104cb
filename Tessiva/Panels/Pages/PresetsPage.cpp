#include "Tessiva/Panels/Pages/PresetsPage.h"

#include "Platform/Window/Backend.h"
#include "Toolkit/Controls/ButtonCoordinator.h"
#include "Toolkit/Controls/ParameterHandleObserver.h"
#include "Toolkit/Controls/ShowSelectedWindowObserver.h"
#include "Toolkit/Controls/Win32ButtonControlOnlyObserver.h"
#include "Toolkit/Controls/Win32ButtonStatusObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Controls/Win32WindowTextObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <cstdint>

using Platform::Notification;

namespace
{
const int theNumberWidth = 2;
const int theLowestSavedPreset = 1;
const int theHighestSavedPreset = 28;

const ParameterId theRecall('a', 9);
const ParameterId theSave('a', 10);
const ParameterId theCurrentPreset('b', 8);

// The name of preset anIndex, counted from 0.
ParameterId presetName(int anIndex)
{
    return ParameterId('d', anIndex);
}

// The wait cursor while a recall goes out, taken down also when it fails.
class WaitCursorScope
{
public:
    WaitCursorScope() { Platform::Backend::current().showWaitCursor(true); }
    ~WaitCursorScope() { Platform::Backend::current().showWaitCursor(false); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};
}

PresetsPage::PresetsPage(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument, templateId),
      myPresetNumber(&myLocalProtocol, ParameterId(0, 0), ParameterValue(theLowestSavedPreset),
                     ParameterValue(theHighestSavedPreset), nullptr),
      myNumberConverter(theNumberWidth)
{
}

PresetsPage::~PresetsPage() = default;

void PresetsPage::doDataExchange()
{
    DevicePage::doDataExchange();
    for (int preset = 0; preset < presetCount; ++preset)
    {
        myNameEdits[preset] = &control(firstNameEditId + preset);
    }
}

void PresetsPage::bindControls()
{
    createNameObservers();
    for (int preset = 0; preset < presetCount; ++preset)
    {
        bindControl(myButtonCaptionObservers[preset], presetName(preset), &control(firstRecallButtonId + preset));
    }
    createRecallObservers();
    attachControl(mySaveHandle, theSave);
    handle(saveButtonId, Notification::Clicked, [this]() { save(); });

    // The number is the page's own parameter, not the device's.
    bindOwn(myNumberSpinObserver, myPresetNumber, &control(numberSpinId));
}

void PresetsPage::createNameObservers()
{
    for (int preset = 0; preset < presetCount; ++preset)
    {
        bindControl(myNameEditObservers[preset], presetName(preset), myNameEdits[preset], &myNameConverter);
        myNameEdits[preset]->setTextLimit(nameLength);
    }
    myNameEditSelector = std::make_unique<ShowSelectedWindowObserver>(&myPresetNumber, presetCount, myNameEdits.data());

    bindOwn(myNumberEditObserver, myPresetNumber, &control(numberEditId), &myNumberConverter);
}

void PresetsPage::createRecallObservers()
{
    for (int preset = 0; preset < presetCount; ++preset)
    {
        const std::int16_t number = static_cast<std::int16_t>(preset + 1);
        myButtonCoordinators[preset] = std::make_unique<ButtonCoordinator>(&control(firstRecallButtonId + preset));
        ButtonCoordinator* coordinator = myButtonCoordinators[preset].get();
        // A recall shows the wait cursor while it goes out.
        Win32ButtonControlOnlyObserver& command =
            attachControl(myButtonCommandObservers[preset], theRecall, coordinator, number);
        handle(firstRecallButtonId + preset, Notification::Clicked, [&command]() {
            WaitCursorScope waiting;
            command.click();
        });
        bindStatus(myButtonStatusObservers[preset], theCurrentPreset, coordinator, number);
    }
}

void PresetsPage::save()
{
    ControlParameter* target = dynamic_cast<ControlParameter*>(mySaveHandle->subject());
    if (target != nullptr)
    {
        target->setValue(myPresetNumber.value());
    }
}
