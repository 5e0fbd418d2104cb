#include "Tessiva/Panels/DevicePage.h"

#include "Platform/Assertion.h"
#include "Tessiva/Panels/DeviceErrorGuard.h"

DevicePage::DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument) : myKey(aKey), myDocument(aDocument)
{
    VORNA_ASSERT(aDocument != NULL);
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

void DevicePage::doDataExchange()
{
}

void DevicePage::onOK()
{
}

void DevicePage::onCancel()
{
}

void DevicePage::guarded(const std::function<void()>& aBody)
{
    DeviceErrorGuard::run(myDocument, myKey, aBody);
}

void DevicePage::handle(int anId, Platform::Notification aNotification, const std::function<void()>& aBody)
{
    // The guard gets its own copies: a report may delete this page.
    CTessivaDoc* document = myDocument;
    const DeviceKey key = myKey;
    control(anId).on(aNotification,
                     [document, key, aBody](Platform::Event&) { DeviceErrorGuard::run(document, key, aBody); });
}

void DevicePage::handleEvent(int anId, Platform::Notification aNotification,
                     const std::function<void(Platform::Event& anEvent)>& aBody)
{
    CTessivaDoc* document = myDocument;
    const DeviceKey key = myKey;
    control(anId).on(aNotification, [document, key, aBody](Platform::Event& anEvent) {
        DeviceErrorGuard::run(document, key, [&aBody, &anEvent]() { aBody(anEvent); });
    });
}
