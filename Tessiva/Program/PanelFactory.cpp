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
    PlainPanel(Platform::Window* aTabControl, const DeviceKey& aKey, CTessivaDoc* aDocument, const std::string& aName)
        : DevicePanel(aTabControl, aKey, aDocument, PanelFactory::plainPanelTemplate), myName(aName)
    {
        const bool created = create(PanelFactory::plainPanelTemplate, aTabControl);
        VORNA_ASSERT(created);
        std::ostringstream text;
        text << aName << ' ' << aKey;
        control(PanelFactory::plainPanelText).setText(text.str());
    }

    void getName(std::string& aName) const override { aName = myName; }

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
    return std::make_unique<PlainPanel>(aTabControl, aKey, &aDocument, aDeviceType == kq310 ? "Kq310" : "Kq350");
}
