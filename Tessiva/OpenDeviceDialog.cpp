#include "Tessiva/OpenDeviceDialog.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/LineSettings.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/DeviceSettings.h"
#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Controls/SpinAccelerations.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>
#include <vector>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const int theAddressWidth = 4;
const int theLowestAddress = 0x8280;
const int theHighestAddress = 0xFFFE;
// COM1 to COM10.
const int thePortCount = 10;
const int theRateCount = static_cast<int>(Platform::RateList::remoteControl().size());

}

OpenDeviceDialog::OpenDeviceDialog(DeviceSettings* aSettings)
    : OpenDeviceDialog(aSettings, Platform::Application::current().resources())
{
}

OpenDeviceDialog::OpenDeviceDialog(DeviceSettings* aSettings, const Platform::Resources& aResources)
    : mySettings(aSettings),
      myResources(aResources),
      myConverter(theAddressWidth),
      // A refused value only puts the control back: the error goes no further.
      myBinder(&ControlBinder::dropRefusals)
{
    VORNA_ASSERT(aSettings != NULL);
}

OpenDeviceDialog::~OpenDeviceDialog()
{
    deleteObservers();
}

Platform::DialogTemplate OpenDeviceDialog::dialogTemplate()
{
    Platform::WindowStyle popup;
    popup.child = false;
    Platform::WindowStyle defaultButton;
    defaultButton.defaultButton = true;
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle buddy;
    buddy.autoBuddy = true;
    buddy.arrowKeys = true;
    Platform::DialogTemplate dialog(templateId, "Open Device", 206, 122, popup);
    dialog.add(WindowKind::Static, theLabelId, "Device Type", 10, 12, 46, 8)
        .add(WindowKind::ComboBox, deviceTypeComboId, "", 60, 10, 76, 60)
        .add(WindowKind::GroupBox, theLabelId, "Communications", 7, 30, 136, 84, group)
        .add(WindowKind::Static, theLabelId, "Port", 14, 46, 40, 8)
        .add(WindowKind::ComboBox, portComboId, "", 60, 44, 76, 80)
        .add(WindowKind::Static, theLabelId, "Baud Rate", 14, 62, 40, 8)
        .add(WindowKind::ComboBox, baudRateComboId, "", 60, 60, 76, 60)
        .add(WindowKind::Static, theLabelId, "Address", 14, 78, 40, 8)
        .add(WindowKind::Edit, addressEditId, "", 60, 76, 40, 12)
        .add(WindowKind::UpDown, addressSpinId, "", 100, 76, 10, 12, buddy)
        .add(WindowKind::CheckBox, offLineCheckId, "Off Line", 14, 96, 60, 10)
        .add(WindowKind::Button, Platform::DialogResult::ok, "OK", 150, 10, 50, 14, defaultButton)
        .add(WindowKind::Button, Platform::DialogResult::cancel, "Cancel", 150, 28, 50, 14);
    return dialog;
}

void OpenDeviceDialog::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& strings = aResources.strings();
    strings.addRun(firstDeviceTypeString, {"KQ310", "KQ330", "KQ350"});
    std::vector<std::string> rates;
    for (int index = 0; index < theRateCount; ++index)
    {
        rates.push_back(Platform::rateLabel(Platform::RateList::remoteControl().at(index)->baudRate));
    }
    strings.addRun(firstBaudRateString, rates);
    std::vector<std::string> ports;
    for (int port = 1; port <= thePortCount; ++port)
    {
        ports.push_back("COM" + std::to_string(port));
    }
    strings.addRun(firstPortString, ports);
}

Platform::Window& OpenDeviceDialog::control(int anId) const
{
    Platform::Window* found = myDialog->findChild(anId);
    VORNA_ASSERT(found != NULL);
    return *found;
}

int OpenDeviceDialog::doModal()
{
    const Platform::DialogTemplate* layout = myResources.dialog(templateId);
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

void OpenDeviceDialog::onInitDialog()
{
    const auto setting = [this](const ParameterId& anId) {
        return [this, anId](Observer* anObserver) { mySettings->attachControlObserver(anId, anObserver); };
    };
    try
    {
        myBinder.bind(myOffLineObserver, setting(DeviceSettings::offLineId), &control(offLineCheckId), 1);

        Platform::Window& spin = control(addressSpinId);
        spin.setAccelerations(SpinAccelerations::address());
        spin.setRange(theLowestAddress, theHighestAddress);
        myBinder.bind(mySpinObserver, setting(DeviceSettings::deviceAddressId), &spin);
        myBinder.bind(myAddressObserver, setting(DeviceSettings::deviceAddressId), &control(addressEditId),
                      &myConverter);

        const Platform::StringTable& strings = myResources.strings();
        myBinder.bind(myBaudRateObserver, setting(DeviceSettings::baudRateId), &control(baudRateComboId),
                      firstBaudRateString, firstBaudRateString + theRateCount - 1, strings);
        myBinder.bind(myDeviceTypeObserver, setting(DeviceSettings::deviceTypeId), &control(deviceTypeComboId),
                      firstDeviceTypeString, firstDeviceTypeString + 2, strings);
        myBinder.bind(myPortObserver, setting(DeviceSettings::portIndexId), &control(portComboId), firstPortString,
                      firstPortString + thePortCount - 1, strings);
    }
    catch (const VornaException&)
    {
        // The controls bound so far work; the dialog runs all the same.
    }
}

void OpenDeviceDialog::deleteObservers()
{
    myPortObserver.reset();
    myDeviceTypeObserver.reset();
    myBaudRateObserver.reset();
    myAddressObserver.reset();
    mySpinObserver.reset();
    myOffLineObserver.reset();
}
