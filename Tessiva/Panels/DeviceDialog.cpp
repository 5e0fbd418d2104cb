#include "Tessiva/Panels/DeviceDialog.h"

#include "Platform/Assertion.h"
#include "Tessiva/Panels/DeviceErrorGuard.h"

DeviceDialog::DeviceDialog(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId)
    : ChildDialog(aDialogId), myKey(aKey), myDocument(aDocument)
{
    VORNA_ASSERT(aDocument != NULL);
}

DeviceDialog::~DeviceDialog()
{
}

void DeviceDialog::doDataExchange()
{
}

void DeviceDialog::onOK()
{
}

void DeviceDialog::onCancel()
{
}

void DeviceDialog::guarded(const std::function<void()>& aBody)
{
    DeviceErrorGuard::run(myDocument, myKey, aBody);
}

void DeviceDialog::handle(int anId, Platform::Notification aNotification, const std::function<void()>& aBody)
{
    // The guard gets its own copies: a report may delete this dialog.
    CTessivaDoc* document = myDocument;
    const DeviceKey key = myKey;
    control(anId).on(aNotification,
                     [document, key, aBody](Platform::Event&) { DeviceErrorGuard::run(document, key, aBody); });
}

void DeviceDialog::handleEvent(int anId, Platform::Notification aNotification,
                               const std::function<void(Platform::Event& anEvent)>& aBody)
{
    CTessivaDoc* document = myDocument;
    const DeviceKey key = myKey;
    control(anId).on(aNotification, [document, key, aBody](Platform::Event& anEvent) {
        DeviceErrorGuard::run(document, key, [&aBody, &anEvent]() { aBody(anEvent); });
    });
}
