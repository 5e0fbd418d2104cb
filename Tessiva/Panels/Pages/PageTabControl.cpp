#include "Tessiva/Panels/Pages/PageTabControl.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Window/Event.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Panels/Pages/DevicePage.h"

#include <string>

PageTabControl::PageTabControl() = default;

PageTabControl::~PageTabControl()
{
    for (std::unique_ptr<DevicePage>& each : myPages)
    {
        each.reset();
    }
}

void PageTabControl::attach(Platform::Window* aControl)
{
    VORNA_ASSERT(aControl != NULL);
    VORNA_ASSERT(aControl->kind() == Platform::WindowKind::TabControl);
    myControl.emplace(*aControl);
    aControl->on(Platform::Notification::TabSelectionChanged, [this](Platform::Event&) { selectionChange(); });
}

Platform::Window* PageTabControl::window() const
{
    return myControl ? myControl->get() : nullptr;
}

DevicePage* PageTabControl::page(int anIndex) const
{
    if (anIndex < 0 || anIndex >= pageCount())
    {
        return nullptr;
    }
    return myPages[static_cast<std::size_t>(anIndex)].get();
}

void PageTabControl::addPage(unsigned aStringId, std::unique_ptr<DevicePage> aPage)
{
    VORNA_ASSERT(aPage != NULL);
    std::string label;
    if (Platform::Application::exists())
    {
        label = Platform::Application::current().resources().strings().find(aStringId).value_or(std::string());
    }
    if (Platform::Window* control = window())
    {
        control->insertTab(pageCount(), label);
    }
    DevicePage& added = *aPage;
    myPages.push_back(std::move(aPage));
    // A page's template may make it visible: only the first shows until the
    // user picks another tab.
    if (pageCount() > 1)
    {
        added.showWindow(false);
        added.enableWindow(false);
    }
    myPages.front()->enableWindow(true);
    myPages.front()->showWindow(true);
}

void PageTabControl::selectionChange()
{
    Platform::Window* control = window();
    const int selected = control != nullptr ? control->selection() : -1;
    for (int index = 0; index < pageCount(); ++index)
    {
        myPages[static_cast<std::size_t>(index)]->showWindow(index == selected);
        myPages[static_cast<std::size_t>(index)]->enableWindow(index == selected);
    }
}

void PageTabControl::addTabLabels(Platform::StringTable& aStrings)
{
    aStrings.add(preprocessingLabel, "Preprocessing");
    aStrings.add(bitstreamInfoLabel, "Bitstream Info");
    aStrings.add(dualMonoLabel, "Dual Mono");
    aStrings.add(inputOutputLabel, "Input/Output");
    aStrings.add(referenceInputLabel, "Reference Input");
    aStrings.add(presetsLabel, "Presets");
    aStrings.add(timeCodeLabel, "Time Code");
}
