#include "Tessiva/Panels/Pages/InputOutputPage.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/ReadOnlyListBox.h"
#include "Tessiva/Controls/Win32CheckBoxObserver.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Tessiva/Controls/Win32StringListBoxObserver.h"
#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"
#include "Tessiva/Panels/Pages/PollingView.h"

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const unsigned theFirstOutputModeString = 15050;
const unsigned theFirstAudioBitString = 15040;

struct StatusBinding
{
    int id;
    int index;
    unsigned firstString;
    unsigned lastString;
};

// In the order the observers are made.
const StatusBinding theStatusLists[InputOutputPage::statusListCount] = {
    {InputOutputPage::lockStatusId, 0, 15000, 15001},
    {InputOutputPage::sampleRateId, 1, 10101, 10104},
    {InputOutputPage::integrityId, 2, 15010, 15011},
    {InputOutputPage::subcodeFormatId, 3, 15020, 15021},
    {InputOutputPage::subcodeSampleRateId, 6, 10101, 10104},
    {InputOutputPage::subcodeEmphasisId, 5, 15030, 15031},
    {InputOutputPage::subcodeAudioBitId, 4, theFirstAudioBitString, theFirstAudioBitString + 1}};

const Platform::StringTable& strings()
{
    return Platform::Application::current().resources().strings();
}
}

InputOutputPage::InputOutputPage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument,
                                 PollingView* aView, unsigned aDialogId)
    : DevicePage(aKey, aDocument),
      myView(aView),
      myTimeCodePackets(nullptr),
      myOutputFormat(nullptr),
      myOutputAudioBit(nullptr)
{
    createPage(aDialogId, aParentWindow);
}

InputOutputPage::~InputOutputPage()
{
    myTimeCodePacketsObserver.reset();
    myOutputFormatObserver.reset();
    myOutputAudioBitObserver.reset();
    for (std::unique_ptr<Win32StringListBoxObserver>& observer : myStatusListObservers)
    {
        observer.reset();
    }
}

Platform::DialogTemplate InputOutputPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    Platform::DialogTemplate dialog(templateId, "", 250, 160);
    dialog.add(WindowKind::GroupBox, theLabelId, "Digital Input", 7, 4, 116, 56, group)
        .add(WindowKind::Static, theLabelId, "Lock Status", 14, 16, 50, 8)
        .add(WindowKind::ListBox, lockStatusId, "", 66, 15, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Sample Rate", 14, 30, 50, 8)
        .add(WindowKind::ListBox, sampleRateId, "", 66, 29, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Integrity", 14, 44, 50, 8)
        .add(WindowKind::ListBox, integrityId, "", 66, 43, 52, 10, list)
        .add(WindowKind::GroupBox, theLabelId, "Digital Input Subcode", 127, 4, 116, 70, group)
        .add(WindowKind::Static, theLabelId, "Format", 134, 16, 50, 8)
        .add(WindowKind::ListBox, subcodeFormatId, "", 186, 15, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Sample Rate", 134, 30, 50, 8)
        .add(WindowKind::ListBox, subcodeSampleRateId, "", 186, 29, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Emphasis", 134, 44, 50, 8)
        .add(WindowKind::ListBox, subcodeEmphasisId, "", 186, 43, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Audio Bit", 134, 58, 50, 8)
        .add(WindowKind::ListBox, subcodeAudioBitId, "", 186, 57, 52, 10, list)
        .add(WindowKind::GroupBox, theLabelId, "Digital Output", 7, 80, 236, 56, group)
        .add(WindowKind::Static, theLabelId, "Format", 14, 92, 50, 8)
        .add(WindowKind::ComboBox, outputFormatId, "", 66, 90, 120, 60)
        .add(WindowKind::Static, theLabelId, "Audio Bit", 14, 108, 50, 8)
        .add(WindowKind::ComboBox, outputAudioBitId, "", 66, 106, 60, 40)
        .add(WindowKind::CheckBox, timeCodePacketsId, "Include Time Code Packets", 14, 122, 120, 10)
        .add(WindowKind::Button, routingButtonId, "Input Channel Routing...", 7, 142, 100, 14);
    return dialog;
}

void InputOutputPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    table.add(labelStringId, "Input/Output");
    table.addRun(theFirstOutputModeString, {"Consumer", "Professional: 32-bit", "Professional: 16-bit channel 1",
                                            "Professional: 16-bit channel 2"});
    table.addRun(theFirstAudioBitString, {"Audio", "Non-audio"});
    table.addRun(15000, {"Not locked", "Locked"});
    table.addRun(10101, {"48 kHz", "44.1 kHz", "32 kHz", "Not Indicated"});
    table.addRun(15010, {"High", "Low"});
    table.addRun(15020, {"Consumer", "Professional"});
    table.addRun(15030, {"None", "50/15 uS"});
    InputChannelRoutingDialog::addResources(aResources);
}

bool InputOutputPage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        // Bound as this class: a derived page adds its own after its members exist.
        InputOutputPage::createObservers();
        bindNotifications();
    }
    return result;
}

void InputOutputPage::doDataExchange()
{
    myTimeCodePackets = &control(timeCodePacketsId);
    myOutputFormat = &control(outputFormatId);
    myOutputAudioBit = &control(outputAudioBitId);
    for (int n = 0; n < statusListCount; ++n)
    {
        if (!myStatusLists[n])
        {
            myStatusLists[n].reset(new ReadOnlyListBox(&control(theStatusLists[n].id)));
        }
    }
}

void InputOutputPage::createObservers()
{
    guarded([this]() {
        InputOutputPage::createCheckBoxObservers();
        InputOutputPage::createComboBoxObservers();
        InputOutputPage::createStatusObservers();
    });
}

void InputOutputPage::createCheckBoxObservers()
{
    myTimeCodePacketsObserver.reset(new Win32CheckBoxObserver(myTimeCodePackets, 1));
    document()->attachControlObserver(key(), ParameterId('H', 7), myTimeCodePacketsObserver.get());
}

void InputOutputPage::createComboBoxObservers()
{
    myOutputFormatObserver.reset(new Win32ComboBoxObserver(myOutputFormat, theFirstOutputModeString,
                                                           theFirstOutputModeString + 3, strings()));
    document()->attachControlObserver(key(), ParameterId('H', 6), myOutputFormatObserver.get());
    myOutputAudioBitObserver.reset(new Win32ComboBoxObserver(myOutputAudioBit, theFirstAudioBitString,
                                                             theFirstAudioBitString + 1, strings()));
    document()->attachControlObserver(key(), ParameterId('H', 9), myOutputAudioBitObserver.get());
}

void InputOutputPage::createStatusObservers()
{
    for (int n = 0; n < statusListCount; ++n)
    {
        const StatusBinding& binding = theStatusLists[n];
        myStatusListObservers[n].reset(new Win32StringListBoxObserver(
            myStatusLists[n]->window(), binding.firstString, binding.lastString, strings()));
        document()->attachStatusObserver(key(), ParameterId('I', binding.index), myStatusListObservers[n].get());
    }
}

void InputOutputPage::bindNotifications()
{
    handle(timeCodePacketsId, Platform::Notification::Clicked, [this]() {
        if (myTimeCodePacketsObserver)
        {
            myTimeCodePacketsObserver->click();
        }
    });
    const std::pair<int, std::unique_ptr<Win32ComboBoxObserver>*> combos[] = {
        {outputFormatId, &myOutputFormatObserver}, {outputAudioBitId, &myOutputAudioBitObserver}};
    for (const auto& combo : combos)
    {
        std::unique_ptr<Win32ComboBoxObserver>* observer = combo.second;
        handle(combo.first, Platform::Notification::SelectionChanged, [observer]() {
            if (*observer)
            {
                (*observer)->selectionChange();
            }
        });
    }
    Platform::Window* routing = window()->findChild(routingButtonId);
    if (routing != nullptr)
    {
        routing->on(Platform::Notification::Clicked, [this](Platform::Event&) { onInputChannelRouting(); });
    }
}

void InputOutputPage::onInputChannelRouting()
{
    if (myView == nullptr)
    {
        return;
    }
    PollingView* view = myView;
    view->stopPolling();
    guarded([this]() {
        InputChannelRoutingDialog dialog(key(), document());
        dialog.doModal();
    });
    // Also after an error that the guard reported.
    view->startPolling();
}
