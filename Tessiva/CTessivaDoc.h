#pragma once

#include "Platform/Framework/Document.h"
#include "Platform/LineSettings.h"
#include "Tessiva/DeviceKey.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>

class Device;
class DeviceException;
class DeviceSettings;
class Observer;
class VornaException;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The remote-control program's document: it owns the serial ports, one per
// COM number and shared by the devices on it, and the open devices, each
// known by its DeviceKey. Panels and pages hold keys, never devices: every
// dispatcher looks its key up, and for a key that is gone it only updates the
// views (which drop the tab) and does nothing else.
class CTessivaDoc : public Platform::Document
{
public:
    // Template of the Communications Error dialog and the message the view
    // answers by closing the selected device.
    static constexpr unsigned communicationsErrorDialogId = 138;
    static constexpr unsigned closeSelectedDeviceMessage = 0x65;
    static constexpr unsigned helpTopicsCommand = 57667;

    CTessivaDoc();
    // Deletes every device, then every port: on-line devices give their port
    // openings back as they go.
    ~CTessivaDoc() override;

    // Adds the Communications Error dialog to the program's resources.
    static void addResources(Platform::Resources& aResources);

    // --- opening ---
    // Opens a device of the model with the settings and hands out its key.
    // False when a device with that key is open already (nothing is done).
    // A unit that does not answer throws DeviceException "The device is not
    // responding."; the program's other errors pass unchanged. Nothing is
    // stored after a failure.
    [[nodiscard]] bool createKq310Device(DeviceKey& aKey, DeviceSettings& aSettings);
    [[nodiscard]] bool createKq330Device(DeviceKey& aKey, DeviceSettings& aSettings);
    [[nodiscard]] bool createKq350Device(DeviceKey& aKey, DeviceSettings& aSettings);

    // --- dispatchers by key ---
    void copyControlValue(const DeviceKey& aKey, const ParameterId& aTarget, const ParameterId& aSource);
    void copyStatusValue(const DeviceKey& aKey, const ParameterId& aTarget, const ParameterId& aSource);
    void attachControlObserver(const DeviceKey& aKey, const ParameterId& anId, Observer* anObserver);
    void attachStatusObserver(const DeviceKey& aKey, const ParameterId& anId, Observer* anObserver);
    void restoreConfiguration(std::istream& aStream, const DeviceKey& aKey);
    void saveConfiguration(std::ostream& aStream, const DeviceKey& aKey);
    void writeTextReport(std::ostream& aStream, const std::string& aTitle, const DeviceKey& aKey);
    void writeHtmlReport(std::ostream& aStream, const std::string& aTitle, const DeviceKey& aKey);
    // These two turn every error of the program into a DeviceException with
    // the key: "The device is not responding." for the wire, else its text.
    void pollDevice(const DeviceKey& aKey);
    void refreshDevice(const DeviceKey& aKey);

    // --- others ---
    [[nodiscard]] Device* findDevice(const DeviceKey& aKey) const;
    bool hasDevice(const DeviceKey& aKey) const;
    std::size_t deviceCount() const { return myDevices.size(); }
    // Whether the port of that COM number is open, and when it is, its line
    // settings through aSettings (unless nullptr).
    bool isPortOpen(Platform::LineSettings* aSettings, short aPortNumber);
    // Removes and deletes the device, then updates the views; never fails visibly.
    void closeDevice(const DeviceKey& aKey);
    // The Communications Error dialog: reconnecting re-reads the device (and
    // asks again when that fails); anything else closes the device.
    void handleCommunicationsError(const DeviceException& anError);
    // Shows the error, then asks the first view to close the selected device
    // once the handlers that still use it have returned.
    void reportErrorAndClose(const VornaException& anError);
    std::uint32_t offLineCount() const { return myOffLineCount; }
    // The bus address the connection settings were last normalised to in this
    // run; empty before the first normalisation.
    std::optional<std::uint16_t> lastDeviceAddress() const { return myLastDeviceAddress; }
    void setLastDeviceAddress(std::uint16_t anAddress) { myLastDeviceAddress = anAddress; }

    bool onNewDocument() override;
    void onHelpTopics();

private:
    typedef std::unique_ptr<Device> (*OfflineFactory)();
    typedef std::unique_ptr<Device> (*OnlineFactory)(Win32SerialPort* aPort, std::uint16_t anAddress);

    [[nodiscard]] bool createDevice(DeviceKey& aKey, DeviceSettings& aSettings, OfflineFactory anOffline,
                                    OnlineFactory anOnline);
    Win32SerialPort& port(std::uint32_t aPortNumber);
    // nullptr after the views were told that the key is gone.
    Device* dispatchTarget(const DeviceKey& aKey);
    // Runs aCall on the device of aKey; without one the views are told instead.
    void forward(const DeviceKey& aKey, const std::function<void(Device&)>& aCall);
    // As forward, and a failure of the exchange comes back as a DeviceException.
    void forwardExchange(const DeviceKey& aKey, const std::function<void(Device&)>& aCall);
    [[noreturn]] void rethrowAsDeviceException(const DeviceKey& aKey) const;
    static Platform::DialogTemplate communicationsErrorTemplate();
    // From the program's resources, which must hold it.
    int runCommunicationsErrorDialog() const;

    std::uint32_t myOffLineCount = 0;
    std::map<std::uint32_t, Win32SerialPort> myPorts;
    std::map<DeviceKey, std::unique_ptr<Device>> myDevices;
    std::optional<std::uint16_t> myLastDeviceAddress;
};
