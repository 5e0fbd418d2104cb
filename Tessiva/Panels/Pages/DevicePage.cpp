#include "Tessiva/Panels/Pages/DevicePage.h"

DevicePage::DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument) : DeviceDialog(aKey, aDocument)
{
}

DevicePage::~DevicePage()
{
}

bool DevicePage::createPage(unsigned aDialogId, Platform::Window* aParent)
{
    const bool created = create(aDialogId, aParent);
    raiseWindow();
    return created;
}
