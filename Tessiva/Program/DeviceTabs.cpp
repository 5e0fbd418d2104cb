#include "Tessiva/Program/DeviceTabs.h"

#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/Program/TabPanel.h"

#include <sstream>

constexpr std::size_t DeviceTabs::labelLimit;

DeviceTabs::DeviceTabs(Platform::Window& aTabControl, CTessivaDoc& aDocument)
    : myControl(aTabControl), myDocument(aDocument)
{
}

DeviceTabs::~DeviceTabs()
{
    // Panels go in tab order, while their windows still exist.
    for (std::unique_ptr<TabPanel>& panel : myPanels)
    {
        panel.reset();
    }
}

TabPanel* DeviceTabs::selectedPanel() const
{
    const int selected = myControl.selection();
    if (selected < 0 || static_cast<std::size_t>(selected) >= myPanels.size())
    {
        return NULL;
    }
    return myPanels[static_cast<std::size_t>(selected)].get();
}

void DeviceTabs::addPanel(const std::string& aName, std::unique_ptr<TabPanel> aPanel)
{
    const DeviceKey key = aPanel->key();
    const int index = myControl.insertTab(static_cast<int>(myPanels.size()), aName);
    myPanels.push_back(std::move(aPanel));
    relabel(key);
    myControl.setSelection(index);
    refreshAndShow(index);
}

void DeviceTabs::removeTab(std::size_t anIndex)
{
    if (anIndex >= myPanels.size())
    {
        return;
    }
    myControl.deleteTab(static_cast<int>(anIndex));
    std::unique_ptr<TabPanel> panel = std::move(myPanels[anIndex]);
    myPanels.erase(myPanels.begin() + static_cast<std::ptrdiff_t>(anIndex));
    panel.reset();
    myControl.setSelection(myPanels.empty() ? -1 : 0);
    refreshAndShow(0);
}

void DeviceTabs::removeOrphanedTabs()
{
    std::vector<std::size_t> orphans;
    for (std::size_t i = 0; i < myPanels.size(); ++i)
    {
        if (!myDocument.hasDevice(myPanels[i]->key()))
        {
            orphans.push_back(i);
        }
    }
    // From the highest down, so that the indexes still to go stay right.
    for (auto it = orphans.rbegin(); it != orphans.rend(); ++it)
    {
        removeTab(*it);
    }
}

void DeviceTabs::relabel(const DeviceKey& aKey)
{
    for (std::size_t i = 0; i < myPanels.size(); ++i)
    {
        if (myPanels[i] != nullptr && myPanels[i]->isFor(aKey))
        {
            std::ostringstream label;
            label << myPanels[i]->getName() << ' ' << aKey;
            myControl.setTabText(static_cast<int>(i), label.str().substr(0, labelLimit));
            myPanels[i]->window().invalidate();
        }
    }
}

void DeviceTabs::selectionChanged()
{
    refreshAndShow(myControl.selection());
}

void DeviceTabs::refreshAndShow(int aSelected)
{
    for (std::size_t i = 0; i < myPanels.size(); ++i)
    {
        TabPanel& panel = *myPanels[i];
        // A key that is gone makes the document update the views, which can
        // remove tabs under this walk: the walk ends there.
        const std::size_t before = myPanels.size();
        myDocument.refreshDevice(panel.key());
        if (myPanels.size() != before)
        {
            return;
        }
        const bool selected = static_cast<int>(i) == aSelected;
        panel.window().show(selected);
        panel.window().enable(selected);
    }
}

void DeviceTabs::pollSelected()
{
    if (TabPanel* panel = selectedPanel())
    {
        myDocument.pollDevice(panel->key());
    }
}

void DeviceTabs::refreshSelected()
{
    if (TabPanel* panel = selectedPanel())
    {
        myDocument.refreshDevice(panel->key());
    }
}

void DeviceTabs::closeSelected()
{
    if (TabPanel* panel = selectedPanel())
    {
        // A copy: closing removes the panel that holds the key.
        const DeviceKey key = panel->key();
        myDocument.closeDevice(key);
    }
}

void DeviceTabs::saveConfiguration(std::ostream& aStream)
{
    if (TabPanel* panel = selectedPanel())
    {
        myDocument.saveConfiguration(aStream, panel->key());
    }
}

void DeviceTabs::restoreConfiguration(std::istream& aStream)
{
    if (TabPanel* panel = selectedPanel())
    {
        myDocument.restoreConfiguration(aStream, panel->key());
    }
}

void DeviceTabs::writeTextReport(std::ostream& aStream, const std::string& aTitle)
{
    if (TabPanel* panel = selectedPanel())
    {
        myDocument.writeTextReport(aStream, aTitle, panel->key());
    }
}

void DeviceTabs::writeHtmlReport(std::ostream& aStream, const std::string& aTitle)
{
    if (TabPanel* panel = selectedPanel())
    {
        myDocument.writeHtmlReport(aStream, aTitle, panel->key());
    }
}
