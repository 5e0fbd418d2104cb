#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Event.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/VornaException.h"

#include <functional>

namespace
{
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
    : myKey(aKey), myDocument(aDocument)
{
    VORNA_ASSERT(aDocument != NULL);
}

InputChannelRoutingDialog::~InputChannelRoutingDialog() = default;

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
    // The observers go before the boxes they fill.
    deleteObservers();
    myDialog.reset();
    return result;
}

void InputChannelRoutingDialog::onInitDialog()
{
    doDataExchange();
    told([this]() { createObservers(); });
}

void InputChannelRoutingDialog::doDataExchange()
{
    myPreset = myDialog->findChild(presetId);
    VORNA_ASSERT(myPreset != NULL);
    for (int channel = 0; channel < channelCount; ++channel)
    {
        myChannels[channel] = myDialog->findChild(channelIds[channel]);
        VORNA_ASSERT(myChannels[channel] != NULL);
    }
}

void InputChannelRoutingDialog::createObservers()
{
    bindComboBox(myPresetObserver, ParameterId('O', 0), myPreset, firstPresetText, customPresetText);
    for (int channel = 0; channel < channelCount; ++channel)
    {
        bindComboBox(myChannelObservers[channel], ParameterId('H', channel), myChannels[channel], firstInputText,
                     lastInputText);
    }
}

void InputChannelRoutingDialog::bindComboBox(std::unique_ptr<Win32ComboBoxObserver>& aMember,
                                             const ParameterId& anId, Platform::Window* aBox, unsigned aFirstText,
                                             unsigned aLastText)
{
    aMember = std::make_unique<Win32ComboBoxObserver>(aBox, aFirstText, aLastText, strings());
    myDocument->attachControlObserver(myKey, anId, aMember.get());
    Win32ComboBoxObserver* observer = aMember.get();
    aBox->on(Platform::Notification::SelectionChanged,
             [observer](Platform::Event&) { told([observer]() { observer->selectionChange(); }); });
}

void InputChannelRoutingDialog::deleteObservers()
{
    myPresetObserver.reset();
    for (std::unique_ptr<Win32ComboBoxObserver>& observer : myChannelObservers)
    {
        observer.reset();
    }
}
