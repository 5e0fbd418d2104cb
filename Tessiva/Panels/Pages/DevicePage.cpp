#include "Tessiva/Panels/Pages/DevicePage.h"

DevicePage::DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument) : DeviceDialog(aKey, aDocument)
{
}

bool DevicePage::createPage(unsigned aDialogId, Platform::Window* aParent)
{
    const bool created = create(aDialogId, aParent);
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
