#include "Tessiva/Panels/DevicePanel.h"

DevicePanel::DevicePanel(Platform::Window* /*aParent*/, const DeviceKey& aKey, CTessivaDoc* aDocument,
                         unsigned aDialogId)
    : DeviceDialog(aKey, aDocument, aDialogId)
{
}
