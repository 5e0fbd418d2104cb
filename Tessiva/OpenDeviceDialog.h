#pragma once

#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Parameter/HexTextConverter.h"

#include <memory>

class DeviceSettings;
class Win32CheckBoxObserver;
class Win32ComboBoxObserver;
class Win32EditObserver;
class Win32SpinObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
class Window;
}

// The Open Device dialog: model, off line, COM port, baud rate and address,
// each control bound to its connection setting by the ordinary control
// observers, so the rules of the settings show in the controls at once.
class OpenDeviceDialog
{
public:
    static constexpr unsigned templateId = 135;
    static constexpr int addressEditId = 1049;
    static constexpr int portComboId = 1050;
    static constexpr int baudRateComboId = 1051;
    static constexpr int deviceTypeComboId = 1052;
    static constexpr int offLineCheckId = 1053;
    static constexpr int addressSpinId = 1041;
    static constexpr unsigned firstDeviceTypeString = 20800;
    static constexpr unsigned firstBaudRateString = 20900;
    static constexpr unsigned firstPortString = 21000;

    // The program's resources (its template and strings).
    explicit OpenDeviceDialog(DeviceSettings* aSettings);
    OpenDeviceDialog(DeviceSettings* aSettings, const Platform::Resources& aResources);
    ~OpenDeviceDialog();

    // Adds the dialog's template and item texts to a program's resources.
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    // Runs the dialog modally: 1 for OK, 2 for Cancel; -1 when the resources
    // lack its template.
    int doModal();

private:
    OpenDeviceDialog(const OpenDeviceDialog&) = delete;
    OpenDeviceDialog& operator=(const OpenDeviceDialog&) = delete;

    void onInitDialog();
    void deleteObservers();
    Platform::Window& control(int anId) const;

    DeviceSettings* mySettings;
    const Platform::Resources& myResources;
    HexTextConverter myConverter;
    ControlBinder myBinder;
    // The window outlives the observers that point at its controls.
    std::unique_ptr<Platform::Window> myDialog;
    std::unique_ptr<Win32CheckBoxObserver> myOffLineObserver;
    std::unique_ptr<Win32SpinObserver> mySpinObserver;
    std::unique_ptr<Win32EditObserver> myAddressObserver;
    std::unique_ptr<Win32ComboBoxObserver> myBaudRateObserver;
    std::unique_ptr<Win32ComboBoxObserver> myDeviceTypeObserver;
    std::unique_ptr<Win32ComboBoxObserver> myPortObserver;
};
