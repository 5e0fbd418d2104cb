#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

namespace
{
const Platform::StringTable& strings()
{
    return Platform::Application::current().resources().strings();
}
}

InputChannelRoutingDialog::InputChannelRoutingDialog(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : myKey(aKey),
      myDocument(aDocument),
      // Refused or failed choices are told; the box already shows its old value.
      myBinder(&ControlBinder::tellRefusals)
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
    myBinder.guarded([this]() { createObservers(); });
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
    const ControlBinder::Attach attach = [this, &anId](Observer* anObserver) {
        myDocument->attachControlObserver(myKey, anId, anObserver);
    };
    myBinder.bind(aMember, attach, aBox, aFirstText, aLastText, strings());
}

void InputChannelRoutingDialog::deleteObservers()
{
    myPresetObserver.reset();
    for (std::unique_ptr<Win32ComboBoxObserver>& observer : myChannelObservers)
    {
        observer.reset();
    }
}
