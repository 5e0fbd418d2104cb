#include "Tessiva/Panels/DevicePanel.h"

DevicePanel::DevicePanel(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId)
    : DeviceDialog(aKey, aDocument, aDialogId)
{
}
