#include "Tessiva/Panels/Pages/DevicePage.h"

DevicePage::DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aTemplateId)
    : DeviceDialog(aKey, aDocument, aTemplateId)
{
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
