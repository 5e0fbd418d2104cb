#include "Tessiva/CTessivaDoc.h"

#include "Models/Device.h"
#include "Models/Kq310OfflineDevice.h"
#include "Models/Kq310OnlineDevice.h"
#include "Models/Unit/Kq330OfflineDevice.h"
#include "Models/Unit/Kq330OnlineDevice.h"
#include "Models/Unit/Kq350OfflineDevice.h"
#include "Models/Unit/Kq350OnlineDevice.h"
#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Framework/HelpViewer.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/DeviceException.h"
#include "Tessiva/DeviceSettings.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

namespace
{
const char* const theNotRespondingText = "The device is not responding.";
const int theMessageId = 1054;
const int theReconnectButton = Platform::DialogResult::ok;
const int theCloseButton = Platform::DialogResult::cancel;

template <class DeviceClass>
std::unique_ptr<Device> makeOffline()
{
    return std::make_unique<DeviceClass>();
}

template <class DeviceClass>
std::unique_ptr<Device> makeOnline(Win32SerialPort* aPort, std::uint16_t anAddress)
{
    return std::make_unique<DeviceClass>(aPort, anAddress);
}
}

CTessivaDoc::CTessivaDoc()
{
    mapCommand(helpTopicsCommand, [this]() { onHelpTopics(); });
}

CTessivaDoc::~CTessivaDoc()
{
    // Devices first: an on-line device closes its port when it is deleted.
    for (auto& entry : myDevices)
    {
        entry.second.reset();
    }
    myDevices.clear();
    myPorts.clear();
}

Platform::DialogTemplate CTessivaDoc::communicationsErrorTemplate()
{
    Platform::WindowStyle popup;
    popup.child = false;
    Platform::WindowStyle defaultButton;
    defaultButton.defaultButton = true;
    Platform::DialogTemplate dialog(communicationsErrorDialogId, "Communications Error", 186, 62, popup);
    dialog.add(Platform::WindowKind::Static, theMessageId, theNotRespondingText, 10, 12, 166, 10)
        .add(Platform::WindowKind::Button, theReconnectButton, "Try To Reconnect", 18, 36, 70, 14, defaultButton)
        .add(Platform::WindowKind::Button, theCloseButton, "Close This Device", 98, 36, 70, 14);
    return dialog;
}

void CTessivaDoc::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(communicationsErrorTemplate());
}

bool CTessivaDoc::createKq310Device(DeviceKey& aKey, DeviceSettings& aSettings)
{
    return createDevice(aKey, aSettings, &makeOffline<Kq310OfflineDevice>, &makeOnline<Kq310OnlineDevice>);
}

bool CTessivaDoc::createKq330Device(DeviceKey& aKey, DeviceSettings& aSettings)
{
    return createDevice(aKey, aSettings, &makeOffline<Kq330OfflineDevice>, &makeOnline<Kq330OnlineDevice>);
}

bool CTessivaDoc::createKq350Device(DeviceKey& aKey, DeviceSettings& aSettings)
{
    return createDevice(aKey, aSettings, &makeOffline<Kq350OfflineDevice>, &makeOnline<Kq350OnlineDevice>);
}

bool CTessivaDoc::createDevice(DeviceKey& aKey, DeviceSettings& aSettings, OfflineFactory anOffline,
                               OnlineFactory anOnline)
{
    const bool offLine = aSettings.isOffLine();
    // Off line, the counter rises before the look-up, so no off-line key is
    // ever handed out twice.
    const DeviceKey key = offLine ? DeviceKey(0, myOffLineCount++)
                                  : DeviceKey(aSettings.portNumber(), aSettings.deviceAddress());
    aKey = key;
    if (hasDevice(key))
    {
        return false;
    }
    std::unique_ptr<Device> device;
    try
    {
        if (offLine)
        {
            device = anOffline();
        }
        else
        {
            Win32SerialPort& serialPort = port(key.port());
            serialPort.open(key.port(), aSettings.lineSettings());
            // A device that fails while it is built gives its port opening back itself.
            device = anOnline(&serialPort, static_cast<std::uint16_t>(key.address()));
        }
    }
    catch (const ProtocolException&)
    {
        throw DeviceException(theNotRespondingText, key);
    }
    myDevices.emplace(key, std::move(device));
    return true;
}

Win32SerialPort& CTessivaDoc::port(std::uint32_t aPortNumber)
{
    return myPorts[aPortNumber];
}

Device* CTessivaDoc::findDevice(const DeviceKey& aKey) const
{
    const auto entry = myDevices.find(aKey);
    return entry == myDevices.end() ? nullptr : entry->second.get();
}

bool CTessivaDoc::hasDevice(const DeviceKey& aKey) const
{
    return myDevices.count(aKey) != 0;
}

Device* CTessivaDoc::dispatchTarget(const DeviceKey& aKey)
{
    Device* device = findDevice(aKey);
    if (device == nullptr)
    {
        updateAllViews(nullptr, 0);
    }
    return device;
}

void CTessivaDoc::forward(const DeviceKey& aKey, const std::function<void(Device&)>& aCall)
{
    if (Device* device = dispatchTarget(aKey))
    {
        aCall(*device);
    }
}

void CTessivaDoc::forwardExchange(const DeviceKey& aKey, const std::function<void(Device&)>& aCall)
{
    forward(aKey, [&](Device& device) {
        try
        {
            aCall(device);
        }
        catch (const VornaException&)
        {
            rethrowAsDeviceException(aKey);
        }
    });
}

void CTessivaDoc::copyControlValue(const DeviceKey& aKey, const ParameterId& aTarget, const ParameterId& aSource)
{
    forward(aKey, [&](Device& device) { device.copyControlValue(aTarget, aSource); });
}

void CTessivaDoc::copyStatusValue(const DeviceKey& aKey, const ParameterId& aTarget, const ParameterId& aSource)
{
    forward(aKey, [&](Device& device) { device.copyStatusValue(aTarget, aSource); });
}

void CTessivaDoc::attachControlObserver(const DeviceKey& aKey, const ParameterId& anId, Observer* anObserver)
{
    forward(aKey, [&](Device& device) { device.attachControlObserver(anId, anObserver); });
}

void CTessivaDoc::attachStatusObserver(const DeviceKey& aKey, const ParameterId& anId, Observer* anObserver)
{
    forward(aKey, [&](Device& device) { device.attachStatusObserver(anId, anObserver); });
}

void CTessivaDoc::restoreConfiguration(std::istream& aStream, const DeviceKey& aKey)
{
    forward(aKey, [&](Device& device) { device.restoreConfiguration(aStream); });
}

void CTessivaDoc::saveConfiguration(std::ostream& aStream, const DeviceKey& aKey)
{
    forward(aKey, [&](Device& device) { device.saveConfiguration(aStream); });
}

void CTessivaDoc::writeTextReport(std::ostream& aStream, const std::string& aTitle, const DeviceKey& aKey)
{
    forward(aKey, [&](Device& device) { device.writeTextReport(aStream, aTitle); });
}

void CTessivaDoc::writeHtmlReport(std::ostream& aStream, const std::string& aTitle, const DeviceKey& aKey)
{
    forward(aKey, [&](Device& device) { device.writeHtmlReport(aStream, aTitle); });
}

void CTessivaDoc::rethrowAsDeviceException(const DeviceKey& aKey) const
{
    try
    {
        throw;
    }
    catch (const ProtocolException&)
    {
        throw DeviceException(theNotRespondingText, aKey);
    }
    catch (const VornaException& anError)
    {
        throw DeviceException(anError.what(), aKey);
    }
}

void CTessivaDoc::pollDevice(const DeviceKey& aKey)
{
    forwardExchange(aKey, [](Device& device) { device.pollNext(); });
}

void CTessivaDoc::refreshDevice(const DeviceKey& aKey)
{
    forwardExchange(aKey, [](Device& device) { device.refresh(); });
}

bool CTessivaDoc::isPortOpen(Platform::LineSettings* aSettings, short aPortNumber)
{
    return port(static_cast<std::uint32_t>(aPortNumber)).isOpen(aSettings);
}

void CTessivaDoc::closeDevice(const DeviceKey& aKey)
{
    try
    {
        const auto entry = myDevices.find(aKey);
        if (entry == myDevices.end())
        {
            return;
        }
        // Out of the map before it goes, so that nothing reaches it half deleted.
        std::unique_ptr<Device> device = std::move(entry->second);
        myDevices.erase(entry);
        device.reset();
        updateAllViews(nullptr, 0);
    }
    catch (const VornaException&)
    {
    }
}

int CTessivaDoc::runCommunicationsErrorDialog() const
{
    const Platform::DialogTemplate* stored =
        Platform::Application::current().resources().dialog(communicationsErrorDialogId);
    VORNA_ASSERT(stored != NULL);
    std::unique_ptr<Platform::Window> dialog = stored->create();
    return Platform::Backend::current().runModal(*dialog);
}

void CTessivaDoc::handleCommunicationsError(const DeviceException& anError)
{
    // The key is copied: the error may live in what closing the device deletes.
    const DeviceKey key = anError.key();
    while (runCommunicationsErrorDialog() == theReconnectButton)
    {
        try
        {
            refreshDevice(key);
            return;
        }
        catch (const VornaException&)
        {
        }
    }
    closeDevice(key);
}

void CTessivaDoc::reportErrorAndClose(const VornaException& anError)
{
    Platform::MessageBox::show(anError.what());
    // Posted, not done here: the caller is a handler that still uses the device.
    Platform::FormView* view = firstView();
    if (view != nullptr && view->isCreated())
    {
        view->post(closeSelectedDeviceMessage);
    }
}

bool CTessivaDoc::onNewDocument()
{
    const bool created = Platform::Document::onNewDocument();
    setTitle("Vorna");
    return created;
}

void CTessivaDoc::onHelpTopics()
{
    // The viewer shows the failure itself.
    Platform::HelpViewer::showTopics("Tessiva.chm");
}
