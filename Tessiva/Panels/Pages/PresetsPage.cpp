#include "Tessiva/Panels/Pages/PresetsPage.h"

#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/ButtonCoordinator.h"
#include "Tessiva/Controls/ShowSelectedWindowObserver.h"
#include "Tessiva/Controls/Win32ButtonControlOnlyObserver.h"
#include "Tessiva/Controls/Win32ButtonStatusObserver.h"
#include "Tessiva/Controls/Win32EditObserver.h"
#include "Tessiva/Controls/Win32SpinObserver.h"
#include "Tessiva/Controls/Win32WindowTextObserver.h"
#include "Tessiva/Panels/DeviceErrorGuard.h"
#include "Tessiva/Controls/ParameterHandleObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

using Platform::Notification;
using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const int theNumberWidth = 2;
const int theLowestSavedPreset = 1;
const int theHighestSavedPreset = 28;

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

PresetsPage::PresetsPage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument),
      myLocalProtocol(&myLocalStore),
      myPresetNumber(&myLocalProtocol, ParameterId(0, 0), ParameterValue(theLowestSavedPreset),
                     ParameterValue(theHighestSavedPreset), nullptr),
      myNumberSpin(nullptr),
      myNumberConverter(theNumberWidth),
      myNumberEdit(nullptr)
{
    myNameEdits.fill(nullptr);
    myRecallButtons.fill(nullptr);
    createPage(dialogId, aParentWindow);
}

PresetsPage::~PresetsPage()
{
    myNameEditObservers.clear();
    myButtonCommandObservers.clear();
    myButtonStatusObservers.clear();
    myButtonCaptionObservers.clear();
    myButtonCoordinators.clear();
    mySaveHandle.reset();
    myNumberEditObserver.reset();
    myNameEditSelector.reset();
    myNumberSpinObserver.reset();
}

Platform::DialogTemplate PresetsPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle recall;
    recall.pushLike = true;
    recall.automatic = false;
    Platform::WindowStyle digits;
    digits.digitsOnly = true;
    Platform::WindowStyle buddy;
    buddy.autoBuddy = true;
    Platform::WindowStyle hidden;
    hidden.visible = false;
    hidden.disabled = true;
    Platform::DialogTemplate page(dialogId, "", 265, 162);
    page.add(WindowKind::GroupBox, theLabelId, "Recall", 7, 4, 251, 104, group);
    for (int preset = 0; preset < presetCount; ++preset)
    {
        const int column = preset % 4;
        const int row = preset / 4;
        page.add(WindowKind::CheckBox, firstRecallButtonId + preset, "123456789012", 12 + column * 61, 14 + row * 11,
                 58, 10, recall);
    }
    page.add(WindowKind::GroupBox, theLabelId, "Configure", 7, 112, 251, 44, group)
        .add(WindowKind::Static, theLabelId, "Number", 14, 124, 30, 8)
        .add(WindowKind::Edit, numberEditId, "", 46, 122, 22, 12, digits)
        .add(WindowKind::UpDown, numberSpinId, "", 68, 122, 10, 12, buddy)
        .add(WindowKind::Static, theLabelId, "Name", 86, 124, 24, 8);
    // One name edit per preset, all in one place; only the chosen one shows.
    for (int preset = 0; preset < presetCount; ++preset)
    {
        page.add(WindowKind::Edit, firstNameEditId + preset, "", 112, 122, 70, 12, preset == 0 ? Platform::WindowStyle() : hidden);
    }
    page.add(WindowKind::Button, saveButtonId, "Save Current Configuration", 14, 140, 110, 12);
    return page;
}

void PresetsPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    aResources.strings().add(119, "Presets");
}

bool PresetsPage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        guarded([this]() { createObservers(); });
    }
    return result;
}

void PresetsPage::doDataExchange()
{
    DevicePage::doDataExchange();
    for (int preset = 0; preset < presetCount; ++preset)
    {
        myRecallButtons[preset] = &control(firstRecallButtonId + preset);
        myNameEdits[preset] = &control(firstNameEditId + preset);
    }
    myNumberEdit = &control(numberEditId);
    myNumberSpin = &control(numberSpinId);
    bindNotifications();
}

void PresetsPage::bindNotifications()
{
    for (int preset = 0; preset < presetCount; ++preset)
    {
        handle(firstRecallButtonId + preset, Notification::Clicked, [this, preset]() { recall(preset); });
        handle(firstNameEditId + preset, Notification::EditChanged, [this, preset]() {
            auto found = myNameEditObservers.find(preset);
            if (found != myNameEditObservers.end() && found->second)
            {
                found->second->commit();
            }
        });
        handle(firstNameEditId + preset, Notification::FocusLost, [this, preset]() {
            auto found = myNameEditObservers.find(preset);
            if (found != myNameEditObservers.end() && found->second)
            {
                found->second->refresh();
            }
        });
    }
    handle(saveButtonId, Notification::Clicked, [this]() { save(); });
    handle(numberEditId, Notification::EditChanged, [this]() {
        if (myNumberEditObserver)
        {
            myNumberEditObserver->commit();
        }
    });
    handle(numberEditId, Notification::FocusLost, [this]() {
        if (myNumberEditObserver)
        {
            myNumberEditObserver->refresh();
        }
    });
    // The up-down keeps its own range: the step is the negated delta, and the
    // control's own move is let through (the observer puts it back).
    CTessivaDoc* doc = document();
    const DeviceKey pageKey = key();
    control(numberSpinId).on(Notification::SpinDelta, [this, doc, pageKey](Platform::Event& anEvent) {
        anEvent.result = 0;
        const int delta = anEvent.delta;
        DeviceErrorGuard::run(doc, pageKey, [this, delta]() {
            if (myNumberSpinObserver)
            {
                myNumberSpinObserver->step(-delta);
            }
        });
    });
}

void PresetsPage::createObservers()
{
    createNameObservers();
    for (int preset = 0; preset < presetCount; ++preset)
    {
        std::unique_ptr<Win32WindowTextObserver>& caption = myButtonCaptionObservers[preset];
        caption.reset(new Win32WindowTextObserver(myRecallButtons[preset]));
        document()->attachControlObserver(key(), ParameterId('d', preset), caption.get());
    }
    createRecallObservers();
    mySaveHandle.reset(new ParameterHandleObserver);
    document()->attachControlObserver(key(), ParameterId('a', 10), mySaveHandle.get());
    myNumberSpinObserver.reset(new Win32SpinObserver(myNumberSpin));
    myPresetNumber.attach(myNumberSpinObserver.get());
}

void PresetsPage::createNameObservers()
{
    for (int preset = 0; preset < presetCount; ++preset)
    {
        std::unique_ptr<Win32EditObserver>& name = myNameEditObservers[preset];
        name.reset(new Win32EditObserver(myNameEdits[preset], &myNameConverter));
        document()->attachControlObserver(key(), ParameterId('d', preset), name.get());
        myNameEdits[preset]->setTextLimit(nameLength);
    }
    myNameEditSelector.reset(new ShowSelectedWindowObserver(&myPresetNumber, presetCount, myNameEdits.data()));
    myNumberEditObserver.reset(new Win32EditObserver(myNumberEdit, &myNumberConverter));
    myPresetNumber.attach(myNumberEditObserver.get());
}

void PresetsPage::createRecallObservers()
{
    for (int preset = 0; preset < presetCount; ++preset)
    {
        const std::int16_t number = static_cast<std::int16_t>(preset + 1);
        ButtonCoordinator* coordinator = new ButtonCoordinator(myRecallButtons[preset]);
        myButtonCoordinators[preset].reset(coordinator);
        std::unique_ptr<Win32ButtonControlOnlyObserver>& command = myButtonCommandObservers[preset];
        command.reset(new Win32ButtonControlOnlyObserver(coordinator, number));
        document()->attachControlObserver(key(), ParameterId('a', 9), command.get());
        std::unique_ptr<Win32ButtonStatusObserver>& status = myButtonStatusObservers[preset];
        status.reset(new Win32ButtonStatusObserver(coordinator, number));
        document()->attachStatusObserver(key(), ParameterId('b', 8), status.get());
    }
}

void PresetsPage::recall(int anIndex)
{
    auto found = myButtonCommandObservers.find(anIndex);
    if (found == myButtonCommandObservers.end() || !found->second)
    {
        return;
    }
    WaitCursorScope waiting;
    found->second->click();
}

void PresetsPage::save()
{
    if (mySaveHandle == nullptr)
    {
        return;
    }
    ControlParameter* target = dynamic_cast<ControlParameter*>(mySaveHandle->subject());
    if (target != nullptr)
    {
        target->setValue(myPresetNumber.value());
    }
}
