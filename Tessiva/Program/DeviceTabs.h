#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class CTessivaDoc;
class DeviceKey;
class TabPanel;

namespace Platform
{
class Window;
}

// The tab control of open devices: one tab per device, each owning that
// device's panel, in tab order. It maps the selection to a device key and
// carries the view's per-device commands to the document. Every change of
// tabs re-reads the control parameters of every open device and shows and
// enables only the selected panel. Operations on the selected tab do nothing
// when no tab is selected.
class DeviceTabs
{
public:
    // Tab labels are cut to this many characters.
    static constexpr std::size_t labelLimit = 31;

    // aTabControl must outlive the tabs.
    DeviceTabs(Platform::Window& aTabControl, CTessivaDoc& aDocument);
    ~DeviceTabs();
    DeviceTabs(const DeviceTabs&) = delete;
    DeviceTabs& operator=(const DeviceTabs&) = delete;

    Platform::Window& control() const { return myControl; }
    std::size_t count() const { return myPanels.size(); }
    TabPanel& panel(std::size_t anIndex) const { return *myPanels.at(anIndex); }
    // NULL when no tab is selected.
    TabPanel* selectedPanel() const;

    // Adds a tab labelled with the panel's name and key, selects it and
    // refreshes every device; a failing re-read propagates and the tab stays.
    void addPanel(const std::string& aName, std::unique_ptr<TabPanel> aPanel);
    void removeTab(std::size_t anIndex);
    // Removes every tab whose device the document no longer holds.
    void removeOrphanedTabs();
    // Relabels the tab of the panel for aKey from the panel's name.
    void relabel(const DeviceKey& aKey);
    // The user chose another tab.
    void selectionChanged();

    void pollSelected();
    void refreshSelected();
    void closeSelected();
    void saveConfiguration(std::ostream& aStream);
    void restoreConfiguration(std::istream& aStream);
    void writeTextReport(std::ostream& aStream, const std::string& aTitle);
    void writeHtmlReport(std::ostream& aStream, const std::string& aTitle);

private:
    // Re-reads every device in tab order; shows and enables the selected panel only.
    void refreshAndShow(int aSelected);

    Platform::Window& myControl;
    CTessivaDoc& myDocument;
    std::vector<std::unique_ptr<TabPanel>> myPanels;
};
