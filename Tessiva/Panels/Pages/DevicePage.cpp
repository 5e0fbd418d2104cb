#include "Tessiva/Panels/Pages/DevicePage.h"

DevicePage::DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aTemplateId)
    : DeviceDialog(aKey, aDocument, aTemplateId)
{
}

bool DevicePage::createPage(Platform::Window* aParent)
{
    const bool created = create(templateId(), aParent);
    raiseWindow();
    return created;
}

bool DevicePage::onInitDialog()
{
    const bool result = DeviceDialog::onInitDialog();
    if (result)
    {
        guarded([this]() { bindControls(); });
    }
    return result;
}

void DevicePage::bindControls()
{
}
