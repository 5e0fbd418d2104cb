#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "Platform/Window/Window.h"

#include <optional>

class DeviceKey;
class DevicePanel;

// The view's tab control of open devices: one tab per device, each owning
// that device's front panel (tab i shows panel i). It maps the selection to
// a device key and carries the view's per-device commands to the document.
// Every change of tabs re-reads the control parameters of every open device
// and shows only the selected panel. The document's errors pass to the caller.
class DeviceTabControl
{
public:
    DeviceTabControl();
    // Deletes every panel; each panel's window goes with it.
    virtual ~DeviceTabControl();

    // Binds the tab control window (the view's control 1048).
    void attach(Platform::Window* aControl);
    // nullptr before attach and after the window is gone.
    Platform::Window* window() const;
    // The tab control attached to aWindow, or nullptr: a panel knows only its
    // parent window.
    static DeviceTabControl* fromWindow(const Platform::Window* aWindow);

    // Adds aPanel's tab at the end, labelled with the name and the device's
    // port description, selects it, re-reads every device and shows only the
    // new panel, which it returns. A failed re-read propagates; the tab stays
    // added and selected.
    DevicePanel& addPanel(const std::string& aName, std::unique_ptr<DevicePanel> aPanel);
    // Removes tab anIndex and deletes its panel; then the first tab is
    // selected and every remaining device re-read.
    virtual void removeTab(int anIndex);

    // The user selected another tab.
    void selectionChange();
    // The device on the selected tab; each does nothing without one.
    void pollSelected();
    void refreshSelected();
    void closeSelected();
    void saveConfiguration(std::ostream& aStream);
    void restoreConfiguration(std::istream& aStream);
    void writeTextReport(std::ostream& aStream, const std::string& aTitle);
    void writeHtmlReport(std::ostream& aStream, const std::string& aTitle);
    // Removes the tabs whose devices the document no longer holds.
    void removeOrphanedTabs();
    // Relabels the tab of the panel for aKey after its name changed.
    void relabel(const DeviceKey& aKey);

    int panelCount() const { return static_cast<int>(myPanels.size()); }
    DevicePanel* panel(int anIndex) const;
    // The panel of the selected tab, or nullptr.
    DevicePanel* selectedPanel() const;

private:
    DeviceTabControl(const DeviceTabControl&) = delete;
    DeviceTabControl& operator=(const DeviceTabControl&) = delete;

    void detach();
    int currentSelection() const;
    void refreshAndShow(int aSelection);
    void relabelTab(const DeviceKey& aKey);

    std::optional<Platform::Window::Watch> myControl;
    std::vector<std::unique_ptr<DevicePanel>> myPanels;
};
