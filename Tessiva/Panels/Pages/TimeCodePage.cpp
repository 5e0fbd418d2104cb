#include "Tessiva/Panels/Pages/TimeCodePage.h"

#include "Platform/Window/Resources.h"
#include "Tessiva/CTessivaDoc.h"
#include "Toolkit/Controls/BcdNumberListBoxObserver.h"
#include "Toolkit/Controls/BcdSpinObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32NumberListBoxObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <string>

namespace
{
const int theLastField = 8;

// The edit fields in order: 'E'2..'E'5 start, 'E'6 start sample, 'E'7..'E'10 stop.
ParameterId fieldParameter(int aField)
{
    return ParameterId('E', 2 + aField);
}

std::size_t fieldWidth(int aField)
{
    return aField == TimeCodePage::sampleField ? 4 : 2;
}

}

TimeCodePage::TimeCodePage(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId)
    : DevicePage(aKey, aDocument, aDialogId)
{
}

TimeCodePage::~TimeCodePage() = default;

bool TimeCodePage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        bindNotifications();
    }
    return result;
}

void TimeCodePage::doDataExchange()
{
    const int lists[theListCount] = {inputStatusId, currentHourId, currentMinuteId, currentSecondId,
                                     currentFrameId, formatId, stopSampleId};
    for (int n = 0; n < theListCount; ++n)
    {
        myLists[n].emplace(&control(lists[n]));
    }
    for (int field = 0; field < fieldCount; ++field)
    {
        myEdits[field] = &control(firstEditId + field);
    }
    for (int field = 0; field < fieldCount; ++field)
    {
        mySpins[field] = &control(firstSpinId + field);
    }
    myResume = &control(resumeId);
}

void TimeCodePage::bindControls()
{
    Platform::Window* const inputStatus = myLists[0]->window();
    Platform::Window* const format = myLists[5]->window();
    Platform::Window* const stopSample = myLists[6]->window();

    bindStatus<Win32StringListBoxObserver>(myListObservers[0], ParameterId('F', 1), inputStatus, firstPresenceText,
                                           firstPresenceText + 1, strings());
    bindStatus<Win32StringListBoxObserver>(myListObservers[1], ParameterId('F', 2), format, firstFormatText,
                                           lastFormatText, strings());
    const int lastItems[] = {23, 59, 59, 29};
    for (int n = 0; n < 4; ++n)
    {
        bindStatus<BcdNumberListBoxObserver>(myListObservers[2 + n], ParameterId('F', 3 + n),
                                             myLists[1 + n]->window(), 0, lastItems[n], 2);
    }
    bindStatus<Win32NumberListBoxObserver>(myListObservers[6], ParameterId('F', 7), stopSample, 0, 1535, 4);

    // The fields' typing and steps go through the page's own handlers; the
    // loss of focus puts a field back as everywhere.
    for (int field = 0; field < fieldCount; ++field)
    {
        const TextConverter* converter =
            field == sampleField ? static_cast<const TextConverter*>(&myIntegerConverter) : &myBcdConverter;
        routeFocusLost(attachControl(myEditObservers[field], fieldParameter(field), myEdits[field], converter));
    }
    for (int field = 0; field < fieldCount; ++field)
    {
        if (field == sampleField)
        {
            attachControl(mySpinObservers[field], fieldParameter(field), mySpins[field]);
        }
        else
        {
            attachControl<BcdSpinObserver>(mySpinObservers[field], fieldParameter(field), mySpins[field]);
        }
    }
}

void TimeCodePage::bindNotifications()
{
    for (int field = 0; field < fieldCount; ++field)
    {
        // A failed creation leaves the later fields without observers.
        handle(firstEditId + field, Platform::Notification::EditChanged, [this, field]() { onEditChanged(field); });
        handleStep(firstSpinId + field, [this, field](int aStep) { onSpin(field, aStep); });
    }
    handle(resumeId, Platform::Notification::Clicked, [this]() { onResume(); });
}

void TimeCodePage::onEditChanged(int aField)
{
    if (!myEditObservers[aField])
    {
        return;
    }
    if (!myEditObservers[aField]->commit() || myStepping)
    {
        return;
    }
    if (static_cast<std::size_t>(myEdits[aField]->lineLength()) < fieldWidth(aField))
    {
        return;
    }
    if (aField == theLastField)
    {
        myLists[6]->window()->setFocus();
        return;
    }
    // The whole of the next field is selected, so that typing goes on into
    // it: a four-digit sample with only two of its characters selected would
    // take the next two digits as well as the two typed over.
    Platform::Window* next = myEdits[aField + 1];
    next->setFocus();
    next->selectText(0, -1);
    next->scrollCaret();
}

void TimeCodePage::onSpin(int aField, int aStep)
{
    if (!mySpinObservers[aField])
    {
        return;
    }
    myStepping = true;
    try
    {
        mySpinObservers[aField]->step(aStep);
    }
    catch (...)
    {
        myStepping = false;
        throw;
    }
    myStepping = false;
}

void TimeCodePage::onResume()
{
    for (int n = 0; n < 4; ++n)
    {
        document()->copyControlValue(key(), fieldParameter(n), fieldParameter(5 + n));
    }
    document()->copyStatusValue(key(), fieldParameter(sampleField), ParameterId('F', 7));
}
