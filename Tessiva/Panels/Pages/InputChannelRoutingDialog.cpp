#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Event.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/VornaException.h"

#include <functional>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const unsigned theFirstPresetString = 15080;
const unsigned theFirstInputString = 15070;
const int theChannelIds[InputChannelRoutingDialog::channelCount] = {
    InputChannelRoutingDialog::leftId,         InputChannelRoutingDialog::centerId,
    InputChannelRoutingDialog::rightId,        InputChannelRoutingDialog::leftSurroundId,
    InputChannelRoutingDialog::rightSurroundId, InputChannelRoutingDialog::lfeId};

// Refused or failed choices are told; the box already shows its old value.
void told(const std::function<void()>& anAction)
{
    try
    {
        anAction();
    }
    catch (const VornaException& anError)
    {
        Platform::MessageBox::show(anError.what());
    }
}

const Platform::StringTable& strings()
{
    return Platform::Application::current().resources().strings();
}
}

InputChannelRoutingDialog::InputChannelRoutingDialog(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : myKey(aKey), myDocument(aDocument), myPreset(nullptr), myChannels()
{
    VORNA_ASSERT(aDocument != NULL);
}

InputChannelRoutingDialog::~InputChannelRoutingDialog()
{
    deleteObservers();
}

Platform::DialogTemplate InputChannelRoutingDialog::dialogTemplate()
{
    Platform::WindowStyle popup;
    popup.child = false;
    Platform::WindowStyle defaultButton;
    defaultButton.defaultButton = true;
    Platform::DialogTemplate dialog(templateId, "Input Channel Routing", 220, 130, popup);
    dialog.add(WindowKind::Static, theLabelId, "Channel Preset", 10, 12, 60, 8)
        .add(WindowKind::ComboBox, presetId, "", 72, 10, 136, 90);
    const char* const labels[channelCount] = {"Left", "Center", "Right", "Left Surround", "Right Surround", "LFE"};
    for (int channel = 0; channel < channelCount; ++channel)
    {
        const int x = channel % 2 == 0 ? 10 : 112;
        const int y = 32 + (channel / 2) * 26;
        dialog.add(WindowKind::Static, theLabelId, labels[channel], x, y, 60, 8)
            .add(WindowKind::ComboBox, theChannelIds[channel], "", x, y + 10, 96, 80);
    }
    dialog.add(WindowKind::Button, Platform::DialogResult::ok, "OK", 85, 110, 50, 14, defaultButton);
    return dialog;
}

void InputChannelRoutingDialog::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    // The pairs of spaces are the unit's own.
    table.addRun(theFirstPresetString,
                 {"Mode 1: L/R,  Ls/Rs, C/LFE", "Mode 2: L/C,  R/Ls,  Rs/LFE", "Mode 3: L/Ls, C/Rs,  R/LFE",
                  "Mode 4: L/R,  C/LFE, Ls/Rs", "Mode 5: L/C,  Rs/R,  Ls/LFE", "Mode 6: C/L,  R/Ls,  Rs/LFE"});
    table.add(theFirstPresetString + 6, "Custom");
    table.addRun(theFirstInputString, {"Input 1", "Input 2", "Input 3", "Input 4", "Input 5", "Input 6"});
}

int InputChannelRoutingDialog::doModal()
{
    const Platform::DialogTemplate* layout = Platform::Application::current().resources().dialog(templateId);
    if (layout == nullptr)
    {
        return -1;
    }
    myDialog = layout->create();
    onInitDialog();
    const int result = Platform::Backend::current().runModal(*myDialog);
    deleteObservers();
    myDialog.reset();
    return result;
}

void InputChannelRoutingDialog::onInitDialog()
{
    doDataExchange();
    told([this]() { createObservers(); });
    bindNotifications();
}

void InputChannelRoutingDialog::doDataExchange()
{
    myPreset = myDialog->findChild(presetId);
    VORNA_ASSERT(myPreset != NULL);
    for (int channel = 0; channel < channelCount; ++channel)
    {
        myChannels[channel] = myDialog->findChild(theChannelIds[channel]);
        VORNA_ASSERT(myChannels[channel] != NULL);
    }
}

void InputChannelRoutingDialog::createObservers()
{
    myPresetObserver.reset(
        new Win32ComboBoxObserver(myPreset, theFirstPresetString, theFirstPresetString + 6, strings()));
    myDocument->attachControlObserver(myKey, ParameterId('O', 0), myPresetObserver.get());
    for (int channel = 0; channel < channelCount; ++channel)
    {
        myChannelObservers[channel].reset(
            new Win32ComboBoxObserver(myChannels[channel], theFirstInputString, theFirstInputString + 5, strings()));
        myDocument->attachControlObserver(myKey, ParameterId('H', channel), myChannelObservers[channel].get());
    }
}

void InputChannelRoutingDialog::bindNotifications()
{
    myPreset->on(Platform::Notification::SelectionChanged, [this](Platform::Event&) {
        told([this]() {
            if (myPresetObserver)
            {
                myPresetObserver->selectionChange();
            }
        });
    });
    for (int channel = 0; channel < channelCount; ++channel)
    {
        myChannels[channel]->on(Platform::Notification::SelectionChanged, [this, channel](Platform::Event&) {
            told([this, channel]() {
                if (myChannelObservers[channel])
                {
                    myChannelObservers[channel]->selectionChange();
                }
            });
        });
    }
}

void InputChannelRoutingDialog::deleteObservers()
{
    myPresetObserver.reset();
    for (std::unique_ptr<Win32ComboBoxObserver>& observer : myChannelObservers)
    {
        observer.reset();
    }
}
