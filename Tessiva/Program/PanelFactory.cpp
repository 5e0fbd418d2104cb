#include "Tessiva/Program/PanelFactory.h"

#include "Platform/Assertion.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/Panels/DevicePanel.h"

#include <sstream>
#include <string>

namespace
{
// A panel that only names its device and the model's tab name.
class PlainPanel : public DevicePanel
{
public:
    PlainPanel(const DeviceKey& aKey, CTessivaDoc* aDocument, const std::string& aName)
        : DevicePanel(aKey, aDocument, PanelFactory::plainPanelTemplate), myName(aName)
    {
    }

    void getName(std::string& aName) const override { aName = myName; }

protected:
    bool onInitDialog() override
    {
        const bool result = DevicePanel::onInitDialog();
        std::ostringstream text;
        text << myName << ' ' << key();
        control(PanelFactory::plainPanelText).setText(text.str());
        return result;
    }

private:
    std::string myName;
};
}

void PanelFactory::addResources(Platform::Resources& aResources)
{
    Platform::DialogTemplate plain(plainPanelTemplate, "", 505, 300);
    plain.add(Platform::WindowKind::Static, plainPanelText, "", 10, 10, 300, 10);
    aResources.addDialog(plain);
}

std::unique_ptr<DevicePanel> PanelFactory::createPanel(int aDeviceType, Platform::Window* aTabControl,
                                                       const DeviceKey& aKey, CTessivaDoc& aDocument, TessivaView&)
{
    return createPlainPanel(aDeviceType, aTabControl, aKey, aDocument);
}

std::unique_ptr<DevicePanel> PanelFactory::createPlainPanel(int aDeviceType, Platform::Window* aTabControl,
                                                            const DeviceKey& aKey, CTessivaDoc& aDocument)
{
    const char* name = aDeviceType == kq310 ? "Kq310" : "Kq350";
    auto panel = DevicePanel::make<PlainPanel>(aTabControl, aKey, &aDocument, name);
    VORNA_ASSERT(panel->window() != NULL);
    return panel;
}
