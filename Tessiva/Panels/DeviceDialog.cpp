#include "Tessiva/Panels/DeviceDialog.h"

#include "Platform/Assertion.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/LedBitmaps.h"
#include "Tessiva/Panels/DeviceErrorGuard.h"
#include "Tessiva/Panels/LedBitRow.h"
#include "Toolkit/Controls/ButtonCoordinator.h"
#include "Toolkit/Controls/Win32ButtonControlOnlyObserver.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Parameter/Subject.h"

using Platform::Notification;

DeviceDialog::DeviceDialog(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId)
    : ChildDialog(aDialogId), myKey(aKey), myDocument(aDocument)
{
    VORNA_ASSERT(aDocument != NULL);
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

void DeviceDialog::handle(int anId, Notification aNotification, const std::function<void()>& aBody)
{
    handle(control(anId), aNotification, aBody);
}

void DeviceDialog::handle(Platform::Window& aControl, Notification aNotification, const std::function<void()>& aBody)
{
    handleEvent(aControl, aNotification, [aBody](Platform::Event&) { aBody(); });
}

void DeviceDialog::handleEvent(int anId, Notification aNotification,
                               const std::function<void(Platform::Event& anEvent)>& aBody)
{
    handleEvent(control(anId), aNotification, aBody);
}

void DeviceDialog::handleEvent(Platform::Window& aControl, Notification aNotification,
                               const std::function<void(Platform::Event& anEvent)>& aBody)
{
    // The guard gets its own copies: a report may delete this dialog.
    CTessivaDoc* document = myDocument;
    const DeviceKey key = myKey;
    aControl.on(aNotification, [document, key, aBody](Platform::Event& anEvent) {
        DeviceErrorGuard::run(document, key, [&aBody, &anEvent]() { aBody(anEvent); });
    });
}

void DeviceDialog::attachToControl(const ParameterId& anId, Observer* anObserver)
{
    myDocument->attachControlObserver(myKey, anId, anObserver);
}

void DeviceDialog::attachToStatus(const ParameterId& anId, Observer* anObserver)
{
    myDocument->attachStatusObserver(myKey, anId, anObserver);
}

void DeviceDialog::attachToOwn(Subject& aParameter, Observer* anObserver)
{
    aParameter.attach(anObserver);
}

void DeviceDialog::route(Observer* /*anObserver*/)
{
}

void DeviceDialog::route(Win32ComboBoxObserver* anObserver)
{
    handle(*anObserver->comboBox(), Notification::SelectionChanged, [anObserver]() { anObserver->selectionChange(); });
}

void DeviceDialog::route(Win32CheckBoxObserver* anObserver)
{
    handle(*anObserver->checkBox(), Notification::Clicked, [anObserver]() { anObserver->click(); });
}

void DeviceDialog::route(Win32ButtonControlOnlyObserver* anObserver)
{
    handle(*anObserver->coordinator()->button(), Notification::Clicked, [anObserver]() { anObserver->click(); });
}

void DeviceDialog::route(Win32EditObserver* anObserver)
{
    Platform::Window& edit = *anObserver->editControl();
    handle(edit, Notification::EditChanged, [anObserver]() { anObserver->commit(); });
    handle(edit, Notification::FocusLost, [anObserver]() { anObserver->refresh(); });
}

void DeviceDialog::route(Win32SpinObserver* anObserver)
{
    // The up-down keeps its default range, whose up arrow moves down: the
    // observer steps by the negated delta; the control's own move is let through.
    handleEvent(*anObserver->spinControl(), Notification::SpinDelta, [anObserver](Platform::Event& anEvent) {
        anEvent.result = 0;
        anObserver->step(-anEvent.delta);
    });
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
