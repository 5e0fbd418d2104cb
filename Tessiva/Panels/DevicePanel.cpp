#include "Tessiva/Panels/DevicePanel.h"

#include "Platform/Assertion.h"
#include "Tessiva/Panels/DeviceErrorGuard.h"

DevicePanel::DevicePanel(Platform::Window* /*aParent*/, const DeviceKey& aKey, CTessivaDoc* aDocument,
                         unsigned aDialogId)
    : ChildDialog(aDialogId), myDocument(aDocument), myKey(aKey)
{
    VORNA_ASSERT(aDocument != NULL);
}

DevicePanel::~DevicePanel()
{
}

void DevicePanel::doDataExchange()
{
}

void DevicePanel::onOK()
{
}

void DevicePanel::onCancel()
{
}

void DevicePanel::guarded(const std::function<void()>& aBody)
{
    DeviceErrorGuard::run(myDocument, myKey, aBody);
}

void DevicePanel::handle(int anId, Platform::Notification aNotification, const std::function<void()>& aBody)
{
    // The guard gets its own copies: a report may delete this panel.
    CTessivaDoc* document = myDocument;
    const DeviceKey key = myKey;
    control(anId).on(aNotification,
                     [document, key, aBody](Platform::Event&) { DeviceErrorGuard::run(document, key, aBody); });
}

void DevicePanel::handleEvent(int anId, Platform::Notification aNotification,
                     const std::function<void(Platform::Event& anEvent)>& aBody)
{
    CTessivaDoc* document = myDocument;
    const DeviceKey key = myKey;
    control(anId).on(aNotification, [document, key, aBody](Platform::Event& anEvent) {
        DeviceErrorGuard::run(document, key, [&aBody, &anEvent]() { aBody(anEvent); });
    });
}
