#include "Tessiva/Panels/DeviceDialog.h"

#include "Platform/Assertion.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/LedBitmaps.h"
#include "Tessiva/Panels/DeviceErrorGuard.h"
#include "Tessiva/Panels/LedBitRow.h"

using Platform::Notification;

DeviceDialog::DeviceDialog(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId)
    : ChildDialog(aDialogId),
      myKey(aKey),
      myDocument(aDocument),
      // The guard gets its own copies: a report may delete this dialog.
      myBinder([aDocument, aKey](const std::function<void()>& aBody) { DeviceErrorGuard::run(aDocument, aKey, aBody); })
{
    VORNA_ASSERT(aDocument != NULL);
}

void DeviceDialog::guarded(const std::function<void()>& aBody)
{
    myBinder.guarded(aBody);
}

void DeviceDialog::handle(int anId, Notification aNotification, const std::function<void()>& aBody)
{
    myBinder.handle(control(anId), aNotification, aBody);
}

void DeviceDialog::handle(Platform::Window& aControl, Notification aNotification, const std::function<void()>& aBody)
{
    myBinder.handle(aControl, aNotification, aBody);
}

void DeviceDialog::handleEvent(int anId, Notification aNotification,
                               const std::function<void(Platform::Event& anEvent)>& aBody)
{
    myBinder.handleEvent(control(anId), aNotification, aBody);
}

void DeviceDialog::handleEvent(Platform::Window& aControl, Notification aNotification,
                               const std::function<void(Platform::Event& anEvent)>& aBody)
{
    myBinder.handleEvent(aControl, aNotification, aBody);
}

void DeviceDialog::handleStep(int anId, const std::function<void(int aStep)>& aBody)
{
    myBinder.handleStep(control(anId), aBody);
}

void DeviceDialog::routeFocusLost(Win32EditObserver& anObserver)
{
    myBinder.routeFocusLost(&anObserver);
}

void DeviceDialog::attachToControl(const ParameterId& anId, Observer* anObserver)
{
    myDocument->attachControlObserver(myKey, anId, anObserver);
}

void DeviceDialog::attachToStatus(const ParameterId& anId, Observer* anObserver)
{
    myDocument->attachStatusObserver(myKey, anId, anObserver);
}

void DeviceDialog::bindLedRow(LedBitRow& aRow, const ParameterId& anId, int aFirstLedId)
{
    const Platform::Resources& program = resources();
    aRow.myOff = LoadedBitmap::require(program, LedBitmaps::off, "Error loading the off led");
    aRow.myOn = LoadedBitmap::require(program, LedBitmaps::on, "Error loading the on led");
    for (int led = 0; led < LedBitRow::ledCount; ++led)
    {
        bindStatus(aRow.myObservers[led], anId, &control(aFirstLedId + led), &aRow.myBits[led], &*aRow.myOn,
                   &*aRow.myOff);
    }
}
