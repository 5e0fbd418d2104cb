#include "Tessiva/Panels/DeviceTabControl.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/DevicePanel.h"

#include <map>
#include <sstream>

namespace
{
std::map<const Platform::Window*, DeviceTabControl*>& attachedControls()
{
    static std::map<const Platform::Window*, DeviceTabControl*> theControls;
    return theControls;
}

// The first control in aWindow that Tab stops at, in template order.
Platform::Window* firstStop(Platform::Window& aWindow)
{
    for (Platform::Window* child : aWindow.children())
    {
        if (!child->isShown() || !child->isEnabled())
        {
            continue;
        }
        if (child->canTakeFocus() && child->style().tabStop)
        {
            return child;
        }
        if (Platform::Window* inner = firstStop(*child))
        {
            return inner;
        }
    }
    return nullptr;
}
}

DeviceTabControl::DeviceTabControl()
{
}

DeviceTabControl::~DeviceTabControl()
{
    detach();
    // Panels go in tab order; each destroys its observers before its window.
    for (std::unique_ptr<DevicePanel>& panel : myPanels)
    {
        panel.reset();
    }
}

void DeviceTabControl::attach(Platform::Window* aControl)
{
    VORNA_ASSERT(aControl != NULL);
    VORNA_ASSERT(aControl->kind() == Platform::WindowKind::TabControl);
    detach();
    myControl.emplace(*aControl);
    attachedControls()[aControl] = this;
}

void DeviceTabControl::detach()
{
    for (auto entry = attachedControls().begin(); entry != attachedControls().end();)
    {
        entry = entry->second == this ? attachedControls().erase(entry) : std::next(entry);
    }
    myControl.reset();
}

DeviceTabControl* DeviceTabControl::fromWindow(const Platform::Window* aWindow)
{
    const auto found = attachedControls().find(aWindow);
    return found != attachedControls().end() ? found->second : nullptr;
}

Platform::Window* DeviceTabControl::window() const
{
    return myControl ? myControl->get() : nullptr;
}

DevicePanel* DeviceTabControl::panel(int anIndex) const
{
    if (anIndex < 0 || anIndex >= panelCount())
    {
        return nullptr;
    }
    return myPanels[static_cast<std::size_t>(anIndex)].get();
}

int DeviceTabControl::currentSelection() const
{
    Platform::Window* control = window();
    return control != nullptr ? control->selection() : -1;
}

DevicePanel* DeviceTabControl::selectedPanel() const
{
    return panel(currentSelection());
}

DevicePanel& DeviceTabControl::addPanel(const std::string& aName, std::unique_ptr<DevicePanel> aPanel)
{
    VORNA_ASSERT(aPanel != NULL);
    DevicePanel& added = *aPanel;
    const int index = panelCount();
    Platform::Window* control = window();
    if (control != nullptr)
    {
        control->insertTab(index, aName);
    }
    myPanels.push_back(std::move(aPanel));
    relabelTab(added.key());
    if (control != nullptr)
    {
        control->setSelection(index);
    }
    refreshAndShow(currentSelection());
    // A device that opens is there to be worked on: the focus goes to its
    // panel (the first one opens before the main window shows).
    if (added.window() != nullptr)
    {
        if (Platform::Window* first = firstStop(*added.window()))
        {
            first->setFocus();
        }
    }
    return added;
}

void DeviceTabControl::removeTab(int anIndex)
{
    if (anIndex < 0 || anIndex >= panelCount())
    {
        return;
    }
    Platform::Window* control = window();
    if (control != nullptr)
    {
        control->deleteTab(anIndex);
    }
    std::unique_ptr<DevicePanel> removed = std::move(myPanels[static_cast<std::size_t>(anIndex)]);
    myPanels.erase(myPanels.begin() + anIndex);
    // The panel destroys its observers, then its window.
    removed.reset();
    if (control != nullptr)
    {
        control->setSelection(0);
    }
    refreshAndShow(currentSelection());
}

void DeviceTabControl::selectionChange()
{
    refreshAndShow(currentSelection());
}

void DeviceTabControl::pollSelected()
{
    if (DevicePanel* selected = selectedPanel())
    {
        selected->document()->pollDevice(selected->key());
    }
}

void DeviceTabControl::refreshSelected()
{
    if (DevicePanel* selected = selectedPanel())
    {
        selected->document()->refreshDevice(selected->key());
    }
}

void DeviceTabControl::closeSelected()
{
    if (DevicePanel* selected = selectedPanel())
    {
        // A copy: closing updates the views, which may delete the panel.
        const DeviceKey key = selected->key();
        selected->document()->closeDevice(key);
    }
}

void DeviceTabControl::saveConfiguration(std::ostream& aStream)
{
    if (DevicePanel* selected = selectedPanel())
    {
        const DeviceKey key = selected->key();
        selected->document()->saveConfiguration(aStream, key);
    }
}

void DeviceTabControl::restoreConfiguration(std::istream& aStream)
{
    if (DevicePanel* selected = selectedPanel())
    {
        const DeviceKey key = selected->key();
        selected->document()->restoreConfiguration(aStream, key);
    }
}

void DeviceTabControl::writeTextReport(std::ostream& aStream, const std::string& aTitle)
{
    if (DevicePanel* selected = selectedPanel())
    {
        const DeviceKey key = selected->key();
        selected->document()->writeTextReport(aStream, aTitle, key);
    }
}

void DeviceTabControl::writeHtmlReport(std::ostream& aStream, const std::string& aTitle)
{
    if (DevicePanel* selected = selectedPanel())
    {
        const DeviceKey key = selected->key();
        selected->document()->writeHtmlReport(aStream, aTitle, key);
    }
}

void DeviceTabControl::removeOrphanedTabs()
{
    std::vector<int> orphans;
    for (int index = 0; index < panelCount(); ++index)
    {
        const DevicePanel* candidate = panel(index);
        if (!candidate->document()->hasDevice(candidate->key()))
        {
            orphans.push_back(index);
        }
    }
    // From the highest index down, so the indexes still to go stay valid.
    for (auto index = orphans.rbegin(); index != orphans.rend(); ++index)
    {
        removeTab(*index);
    }
}

void DeviceTabControl::relabel(const DeviceKey& aKey)
{
    relabelTab(aKey);
}

void DeviceTabControl::refreshAndShow(int aSelection)
{
    // A failed re-read ends the walk at that panel and reaches the caller.
    for (int index = 0; index < panelCount(); ++index)
    {
        DevicePanel* each = panel(index);
        // A device already gone has nothing to read; asking the document for
        // it would remove tabs in the middle of this walk.
        if (each->document()->hasDevice(each->key()))
        {
            each->document()->refreshDevice(each->key());
        }
        each->showWindow(index == aSelection);
        each->enableWindow(index == aSelection);
    }
}

void DeviceTabControl::relabelTab(const DeviceKey& aKey)
{
    Platform::Window* control = window();
    if (control == nullptr)
    {
        return;
    }
    for (int index = 0; index < panelCount(); ++index)
    {
        DevicePanel* each = panel(index);
        if (each == nullptr || !each->isFor(aKey) || index >= control->itemCount())
        {
            continue;
        }
        // The label is as long as the name needs: a long unit name keeps the
        // port description that tells its tab from the others.
        std::string name;
        each->getName(name);
        std::ostringstream label;
        label << name << ' ' << each->key();
        control->setTabText(index, label.str());
        if (Platform::Window* panelWindow = each->window())
        {
            panelWindow->invalidate();
        }
    }
}
