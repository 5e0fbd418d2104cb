#include "Tessiva/Program/PanelFactory.h"

#include "Platform/Window/Window.h"
#include "Tessiva/Program/TabPanel.h"

#include <sstream>
#include <string>

constexpr int PanelFactory::kq310;
constexpr int PanelFactory::kq330;
constexpr int PanelFactory::kq350;

namespace
{
// A panel that only names its device: a dialog child filling the tab control.
class PlainPanel : public TabPanel
{
public:
    PlainPanel(Platform::Window& aTabControl, const DeviceKey& aKey, const std::string& aName)
        : myKey(aKey), myName(aName), myWindow(aTabControl.createChild(Platform::WindowKind::Dialog, 0)),
          myWatch(myWindow)
    {
        myWindow.move(aTabControl.clientRectangle());
        std::ostringstream text;
        text << aName << ' ' << aKey;
        myWindow.createChild(Platform::WindowKind::Static, -1, text.str());
    }

    ~PlainPanel() override
    {
        if (myWatch.alive() && myWindow.parent() != NULL)
        {
            myWindow.parent()->destroyChild(myWindow);
        }
    }

    Platform::Window& window() const override { return myWindow; }
    const DeviceKey& key() const override { return myKey; }
    std::string getName() const override { return myName; }

private:
    DeviceKey myKey;
    std::string myName;
    Platform::Window& myWindow;
    Platform::Window::Watch myWatch;
};
}

PanelFactory::~PanelFactory()
{
}

void PanelFactory::addResources(Platform::Resources&)
{
}

std::unique_ptr<TabPanel> PanelFactory::createPanel(int aDeviceType, Platform::Window& aTabControl,
                                                    const DeviceKey& aKey, CTessivaDoc&, TessivaView&)
{
    return std::unique_ptr<TabPanel>(new PlainPanel(aTabControl, aKey, aDeviceType == kq310 ? "Kq310" : "Kq350"));
}
