#pragma once

#include "Platform/Framework/FormView.h"
#include "Platform/Window/FileDialogRequest.h"
#include "Tessiva/Panels/DeviceTabControl.h"
#include "Tessiva/Panels/Pages/PollingView.h"

#include <functional>
#include <ios>
#include <iosfwd>
#include <memory>
#include <string>

class CTessivaDoc;
class DeviceSettings;
class PanelFactory;

// Tessiva's form view: the tab control of open devices and the poll timer
// that drives all status traffic. It runs New Device, Close Device, the four
// file commands and the About box, stops the timer around each of them, and
// decides how an error of each reaches the user. Devices are reached only
// through the document and the tabs.
class TessivaView final : public Platform::FormView, public PollingView
{
public:
    static constexpr unsigned pollTimer = 1;
    static constexpr unsigned pollPeriod = 15;

    // The factory builds the panel of each device opened; it must outlive the view.
    explicit TessivaView(PanelFactory& aPanelFactory);
    ~TessivaView() override;

    CTessivaDoc& tessivaDocument() const;
    DeviceTabControl& tabs() { return myTabs; }

    void onCreate() override;
    void onInitialUpdate() override;
    void onUpdate(Platform::FormView* aSender, long aHint) override;
    void onTimer(unsigned aTimerId) override;

    // Starts the timer, then re-reads the selected device; a device that
    // fails is reported and closed.
    void startPolling() override;
    void stopPolling() override;

    // --- handlers ---
    void onSelChangeDevice();
    void onNewDevice();
    void onCloseDevice();
    void onAbout();
    void onSaveConfiguration();
    void onOpenConfiguration();
    void onExportText();
    void onExportHtml();

    // Opens the device that the settings describe and adds its tab; a device
    // open already changes nothing.
    void deviceFactory(DeviceSettings& aSettings);

private:
    typedef std::function<void(const std::string& aPath, const std::string& aTitle)> FileAction;

    // The shape the four file commands share: ask for a file, hand its path
    // and title to the action, show an error, restart the timer.
    void runFileCommand(Platform::FileDialogKind aKind, const std::string& anExtension, const std::string& aFilter,
                        const FileAction& anAction);

    PanelFactory& myPanelFactory;
    unsigned myTimerId = 0;
    DeviceTabControl myTabs;
};
