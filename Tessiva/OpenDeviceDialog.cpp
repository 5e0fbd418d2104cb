#include "Tessiva/OpenDeviceDialog.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/LineSettings.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Event.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/DeviceSettings.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Parameter/VornaException.h"

#include <functional>
#include <string>
#include <vector>

using Platform::Notification;
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

// A refused value only puts the control back: the error goes no further.
void guarded(const std::function<void()>& anAction)
{
    try
    {
        anAction();
    }
    catch (const VornaException&)
    {
    }
}
}

OpenDeviceDialog::OpenDeviceDialog(DeviceSettings* aSettings)
    : OpenDeviceDialog(aSettings, Platform::Application::current().resources())
{
}

OpenDeviceDialog::OpenDeviceDialog(DeviceSettings* aSettings, const Platform::Resources& aResources)
    : mySettings(aSettings), myResources(aResources), myConverter(theAddressWidth)
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
    bindNotifications();
    const int result = Platform::Backend::current().runModal(*myDialog);
    deleteObservers();
    myDialog.reset();
    return result;
}

void OpenDeviceDialog::onInitDialog()
{
    try
    {
        myOffLineObserver = std::make_unique<Win32CheckBoxObserver>(&control(offLineCheckId), 1);
        mySettings->attachControlObserver(DeviceSettings::offLineId, myOffLineObserver.get());

        Platform::Window& spin = control(addressSpinId);
        spin.setAccelerations({{0, 2}, {2, 4}, {4, 16}, {8, 64}});
        spin.setRange(theLowestAddress, theHighestAddress);
        mySpinObserver = std::make_unique<Win32SpinObserver>(&spin);
        mySettings->attachControlObserver(DeviceSettings::deviceAddressId, mySpinObserver.get());

        myAddressObserver = std::make_unique<Win32EditObserver>(&control(addressEditId), &myConverter);
        mySettings->attachControlObserver(DeviceSettings::deviceAddressId, myAddressObserver.get());

        const Platform::StringTable& strings = myResources.strings();
        myBaudRateObserver = std::make_unique<Win32ComboBoxObserver>(
            &control(baudRateComboId), firstBaudRateString, firstBaudRateString + theRateCount - 1, strings);
        mySettings->attachControlObserver(DeviceSettings::baudRateId, myBaudRateObserver.get());
        myDeviceTypeObserver = std::make_unique<Win32ComboBoxObserver>(
            &control(deviceTypeComboId), firstDeviceTypeString, firstDeviceTypeString + 2, strings);
        mySettings->attachControlObserver(DeviceSettings::deviceTypeId, myDeviceTypeObserver.get());
        myPortObserver = std::make_unique<Win32ComboBoxObserver>(
            &control(portComboId), firstPortString, firstPortString + thePortCount - 1, strings);
        mySettings->attachControlObserver(DeviceSettings::portIndexId, myPortObserver.get());
    }
    catch (const VornaException&)
    {
        // The controls bound so far work; the dialog runs all the same.
    }
}

void OpenDeviceDialog::bindNotifications()
{
    control(offLineCheckId).on(Notification::Clicked, [this](Platform::Event&) {
        guarded([this]() {
            if (myOffLineObserver)
            {
                myOffLineObserver->click();
            }
        });
    });
    const std::pair<int, std::unique_ptr<Win32ComboBoxObserver>*> combos[] = {
        {baudRateComboId, &myBaudRateObserver}, {deviceTypeComboId, &myDeviceTypeObserver}, {portComboId, &myPortObserver}};
    for (const auto& combo : combos)
    {
        std::unique_ptr<Win32ComboBoxObserver>* observer = combo.second;
        control(combo.first).on(Notification::SelectionChanged, [observer](Platform::Event&) {
            guarded([observer]() {
                if (*observer)
                {
                    (*observer)->selectionChange();
                }
            });
        });
    }
    Platform::Window& address = control(addressEditId);
    address.on(Notification::EditChanged, [this](Platform::Event&) {
        guarded([this]() {
            if (myAddressObserver)
            {
                myAddressObserver->commit();
            }
        });
    });
    address.on(Notification::FocusLost, [this](Platform::Event&) {
        guarded([this]() {
            if (myAddressObserver)
            {
                myAddressObserver->refresh();
            }
        });
    });
    control(addressSpinId).on(Notification::SpinDelta, [this](Platform::Event& anEvent) {
        anEvent.result = 0;
        const int delta = anEvent.delta;
        guarded([this, delta]() {
            if (mySpinObserver)
            {
                mySpinObserver->step(delta);
            }
        });
    });
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
