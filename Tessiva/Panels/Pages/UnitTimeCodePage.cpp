#include "Tessiva/Panels/Pages/UnitTimeCodePage.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/ComboBoxItemTextObserver.h"
#include "Tessiva/Controls/ListBoxItemTextObserver.h"
#include "Tessiva/Controls/ReadOnlyListBox.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Tessiva/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <string>
#include <vector>

using Platform::Notification;
using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const unsigned theFirstSourceString = 20700;
const unsigned theFirstPresetString = 20202;
const unsigned theLastPresetString = 20234;
// The common page's controls move down to make room for the unit's row.
const int theShift = 54;
}

UnitTimeCodePage::UnitTimeCodePage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument)
    : TimeCodePage(aParentWindow, aKey, aDocument, dialogId), mySource(nullptr), myPendingPreset(nullptr)
{
    // The window was made while this object was still the common page, so
    // only that page's controls are bound and observed: bind ours now.
    if (window() != nullptr && DevicePage::onInitDialog())
    {
        createObservers();
    }
    if (window() != nullptr)
    {
        bindNotifications();
    }
}

UnitTimeCodePage::~UnitTimeCodePage()
{
    myListItemObservers.clear();
    myComboItemObservers.clear();
    mySourceObserver.reset();
    myPendingPresetObserver.reset();
    myCurrentPresetObserver.reset();
}

Platform::DialogTemplate UnitTimeCodePage::dialogTemplate()
{
    const Platform::DialogTemplate common = TimeCodePage::dialogTemplate();
    Platform::DialogTemplate page(dialogId, common.caption(), common.width() + 10, common.height() + theShift,
                                  common.style());
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    // The unit's time-code input: its source, and the base's status list
    // labelled "Status" beside it.
    page.add(WindowKind::GroupBox, theLabelId, "Input", 7, 2, 150, 50, group)
        .add(WindowKind::Static, theLabelId, "Source", 14, 12, 30, 8)
        .add(WindowKind::ComboBox, sourceId, "", 14, 22, 136, 40)
        .add(WindowKind::Static, theLabelId, "Status", 14, 38, 30, 8)
        .add(WindowKind::ListBox, inputStatusId, "", 46, 37, 60, 10, list)
        .add(WindowKind::GroupBox, theLabelId, "Preset", 161, 2, 92, 50, group)
        .add(WindowKind::Static, theLabelId, "Pending", 166, 12, 34, 8)
        .add(WindowKind::ComboBox, pendingPresetId, "", 166, 22, 82, 120)
        .add(WindowKind::Static, theLabelId, "Current", 166, 38, 30, 8)
        .add(WindowKind::ListBox, currentPresetId, "", 198, 37, 50, 10, list);
    for (const Platform::DialogTemplate::Control& control : common.controls())
    {
        const Platform::Rectangle& at = control.bounds;
        if (control.id == inputStatusId || control.text == "Time Code Input Status")
        {
            continue; // in the Input group above
        }
        if (control.image != 0)
        {
            page.addImage(control.kind, control.id, control.image, at.left, at.top + theShift, at.width(),
                          at.height(), control.style);
        }
        else
        {
            page.add(control.kind, control.id, control.text, at.left, at.top + theShift, at.width(), at.height(),
                     control.style);
        }
    }
    return page;
}

void UnitTimeCodePage::addResources(Platform::Resources& aResources)
{
    TimeCodePage::addResources(aResources);
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& strings = aResources.strings();
    strings.add(116, "Time Code");
    strings.addRun(theFirstSourceString, {"Longitudinal Time Code (LTC)", "Vertical Interval Time Code (VITC)"});
    std::vector<std::string> presets(1, "None");
    for (int preset = 1; preset <= presetCount; ++preset)
    {
        presets.push_back("Preset " + std::to_string(preset));
    }
    strings.addRun(theFirstPresetString, presets);
}

void UnitTimeCodePage::doDataExchange()
{
    TimeCodePage::doDataExchange();
    mySource = &control(sourceId);
    myPendingPreset = &control(pendingPresetId);
    myCurrentPreset.reset(new ReadOnlyListBox(&control(currentPresetId)));
}

void UnitTimeCodePage::bindNotifications()
{
    handle(sourceId, Notification::SelectionChanged, [this]() {
        if (mySourceObserver)
        {
            mySourceObserver->selectionChange();
        }
    });
    handle(pendingPresetId, Notification::SelectionChanged, [this]() {
        if (myPendingPresetObserver)
        {
            myPendingPresetObserver->selectionChange();
        }
    });
}

void UnitTimeCodePage::createObservers()
{
    guarded([this]() {
        createComboBoxObservers();
        createStatusObservers();
        createPresetNameObservers();
    });
}

void UnitTimeCodePage::createComboBoxObservers()
{
    const Platform::StringTable& strings = Platform::Application::current().resources().strings();
    // One string: the observer adds the next ones as the range of 'a'7 asks.
    mySourceObserver.reset(new Win32ComboBoxObserver(mySource, theFirstSourceString, theFirstSourceString, strings));
    document()->attachControlObserver(key(), ParameterId('a', 7), mySourceObserver.get());
    myPendingPresetObserver.reset(
        new Win32ComboBoxObserver(myPendingPreset, theFirstPresetString, theLastPresetString, strings));
    document()->attachControlObserver(key(), ParameterId('a', 15), myPendingPresetObserver.get());
}

void UnitTimeCodePage::createStatusObservers()
{
    const Platform::StringTable& strings = Platform::Application::current().resources().strings();
    myCurrentPresetObserver.reset(new Win32StringListBoxObserver(myCurrentPreset->window(), theFirstPresetString,
                                                                 theLastPresetString, strings));
    document()->attachStatusObserver(key(), ParameterId('b', 8), myCurrentPresetObserver.get());
}

void UnitTimeCodePage::createPresetNameObservers()
{
    for (int preset = 0; preset < presetCount; ++preset)
    {
        // Item 0 is "None": preset n + 1 is item n + 1.
        std::unique_ptr<ListBoxItemTextObserver>& listItem = myListItemObservers[preset];
        listItem.reset(new ListBoxItemTextObserver(preset + 1, myCurrentPreset->window()));
        document()->attachControlObserver(key(), ParameterId('d', preset), listItem.get());
        std::unique_ptr<ComboBoxItemTextObserver>& comboItem = myComboItemObservers[preset];
        comboItem.reset(new ComboBoxItemTextObserver(preset + 1, myPendingPreset));
        document()->attachControlObserver(key(), ParameterId('d', preset), comboItem.get());
    }
}
