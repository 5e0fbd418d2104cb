#include "Tessiva/Panels/Pages/TimeCodePage.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/ReadOnlyListBox.h"
#include "Tessiva/Controls/Win32EditObserver.h"
#include "Tessiva/Controls/Win32NumberListBoxObserver.h"
#include "Tessiva/Controls/Win32SpinObserver.h"
#include "Tessiva/Controls/Win32StringListBoxObserver.h"
#include "Tessiva/Controls/BcdNumberListBoxObserver.h"
#include "Tessiva/Controls/BcdSpinObserver.h"

#include <string>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const unsigned theFirstPresenceString = 17000;
const unsigned theFirstFormatString = 17010;
const int theSampleField = 4;
const int theLastField = 8;

// The edit fields in order: 'E'2..'E'5 start, 'E'6 start sample, 'E'7..'E'10 stop.
int fieldIndex(int aField)
{
    return 2 + aField;
}

std::size_t fieldWidth(int aField)
{
    return aField == theSampleField ? 4 : 2;
}

const Platform::StringTable& strings()
{
    return Platform::Application::current().resources().strings();
}
}

TimeCodePage::TimeCodePage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument,
                           unsigned aDialogId)
    : DevicePage(aKey, aDocument),
      myEdits(),
      myIntegerConverter(4),
      myBcdConverter(2),
      mySpins(),
      myResume(nullptr),
      myStepping(false)
{
    createPage(aDialogId, aParentWindow);
}

TimeCodePage::~TimeCodePage()
{
    for (std::unique_ptr<Win32ListBoxObserver>& observer : myListObservers)
    {
        observer.reset();
    }
    for (std::unique_ptr<Win32EditObserver>& observer : myEditObservers)
    {
        observer.reset();
    }
    for (std::unique_ptr<Win32SpinObserver>& observer : mySpinObservers)
    {
        observer.reset();
    }
}

Platform::DialogTemplate TimeCodePage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    Platform::WindowStyle digits;
    digits.digitsOnly = true;
    Platform::WindowStyle upDown;
    upDown.autoBuddy = true;
    upDown.setBuddyInteger = false;
    Platform::DialogTemplate dialog(templateId, "", 250, 160);
    dialog.add(WindowKind::Static, theLabelId, "Time Code Input Status", 7, 8, 84, 8)
        .add(WindowKind::ListBox, inputStatusId, "", 94, 6, 60, 10, list)
        .add(WindowKind::GroupBox, theLabelId, "Current Time Code", 7, 20, 236, 36, group)
        .add(WindowKind::Static, theLabelId, "HH", 14, 30, 16, 8)
        .add(WindowKind::ListBox, currentHourId, "", 14, 40, 16, 10, list)
        .add(WindowKind::Static, theLabelId, ":", 32, 40, 4, 8)
        .add(WindowKind::Static, theLabelId, "MM", 38, 30, 16, 8)
        .add(WindowKind::ListBox, currentMinuteId, "", 38, 40, 16, 10, list)
        .add(WindowKind::Static, theLabelId, ":", 56, 40, 4, 8)
        .add(WindowKind::Static, theLabelId, "SS", 62, 30, 16, 8)
        .add(WindowKind::ListBox, currentSecondId, "", 62, 40, 16, 10, list)
        .add(WindowKind::Static, theLabelId, ":", 80, 40, 4, 8)
        .add(WindowKind::Static, theLabelId, "FF", 86, 30, 16, 8)
        .add(WindowKind::ListBox, currentFrameId, "", 86, 40, 16, 10, list)
        .add(WindowKind::Static, theLabelId, "Format", 120, 30, 40, 8)
        .add(WindowKind::ListBox, formatId, "", 120, 40, 100, 10, list);

    const char* const labels[] = {"Hour", "Min", "Sec", "Frame", "Sample", "Hour", "Min", "Sec", "Frame"};
    dialog.add(WindowKind::GroupBox, theLabelId, "Start Time Code", 7, 60, 236, 44, group);
    for (int field = 0; field < fieldCount; ++field)
    {
        if (field == theSampleField + 1)
        {
            dialog.add(WindowKind::GroupBox, theLabelId, "Stop Time Code", 7, 106, 236, 50, group);
        }
        const int row = field <= theSampleField ? 70 : 116;
        const int x = 14 + (field <= theSampleField ? field : field - theSampleField - 1) * 44;
        dialog.add(WindowKind::Static, theLabelId, labels[field], x, row, 30, 8)
            .add(WindowKind::Edit, firstEditId + field, "", x, row + 10, 28, 12, digits)
            .add(WindowKind::UpDown, firstSpinId + field, "", x + 28, row + 10, 10, 12, upDown);
    }
    // The stop time code's sample, and Resume under it, in the stop group.
    dialog.add(WindowKind::Static, theLabelId, "Sample", 190, 116, 30, 8)
        .add(WindowKind::ListBox, stopSampleId, "", 190, 127, 30, 10, list)
        .add(WindowKind::Button, resumeId, "Resume", 190, 140, 44, 14);
    return dialog;
}

void TimeCodePage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    table.add(labelStringId, "Time Code");
    table.addRun(theFirstPresenceString, {"Not present", "Present"});
    table.addRun(theFirstFormatString,
                 {"24 fps", "25 fps", "29.97 fps drop frame", "29.97 fps", "30 fps", "Unknown"});
}

bool TimeCodePage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        guarded([this]() { createObservers(); });
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
        myLists[n].reset(new ReadOnlyListBox(&control(lists[n])));
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

void TimeCodePage::createObservers()
{
    Platform::Window* const inputStatus = myLists[0]->window();
    Platform::Window* const format = myLists[5]->window();
    Platform::Window* const stopSample = myLists[6]->window();

    myListObservers[0].reset(
        new Win32StringListBoxObserver(inputStatus, theFirstPresenceString, theFirstPresenceString + 1, strings()));
    document()->attachStatusObserver(key(), ParameterId('F', 1), myListObservers[0].get());
    myListObservers[1].reset(
        new Win32StringListBoxObserver(format, theFirstFormatString, theFirstFormatString + 5, strings()));
    document()->attachStatusObserver(key(), ParameterId('F', 2), myListObservers[1].get());
    const int lastItems[] = {23, 59, 59, 29};
    for (int n = 0; n < 4; ++n)
    {
        myListObservers[2 + n].reset(new BcdNumberListBoxObserver(myLists[1 + n]->window(), 0, lastItems[n], 2));
        document()->attachStatusObserver(key(), ParameterId('F', 3 + n), myListObservers[2 + n].get());
    }
    myListObservers[6].reset(new Win32NumberListBoxObserver(stopSample, 0, 1535, 4));
    document()->attachStatusObserver(key(), ParameterId('F', 7), myListObservers[6].get());

    for (int field = 0; field < fieldCount; ++field)
    {
        const TextConverter* converter =
            field == theSampleField ? static_cast<const TextConverter*>(&myIntegerConverter) : &myBcdConverter;
        myEditObservers[field].reset(new Win32EditObserver(myEdits[field], converter));
        document()->attachControlObserver(key(), ParameterId('E', fieldIndex(field)), myEditObservers[field].get());
    }
    for (int field = 0; field < fieldCount; ++field)
    {
        if (field == theSampleField)
        {
            mySpinObservers[field].reset(new Win32SpinObserver(mySpins[field]));
        }
        else
        {
            mySpinObservers[field].reset(new BcdSpinObserver(mySpins[field]));
        }
        document()->attachControlObserver(key(), ParameterId('E', fieldIndex(field)), mySpinObservers[field].get());
    }
}

void TimeCodePage::bindNotifications()
{
    for (int field = 0; field < fieldCount; ++field)
    {
        const int editId = firstEditId + field;
        handle(editId, Platform::Notification::FocusLost, [this, field]() {
            if (myEditObservers[field])
            {
                myEditObservers[field]->refresh();
            }
        });
        handle(editId, Platform::Notification::EditChanged, [this, field]() { onEditChanged(field); });
        control(firstSpinId + field).on(Platform::Notification::SpinDelta, [this, field](Platform::Event& anEvent) {
            anEvent.result = 0;
            const int delta = anEvent.delta;
            guarded([this, field, delta]() { onSpin(field, delta); });
        });
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
    Platform::Window* next = myEdits[aField + 1];
    next->setFocus();
    next->selectText(0, 2);
    next->scrollCaret();
}

void TimeCodePage::onSpin(int aField, int aDelta)
{
    if (!mySpinObservers[aField])
    {
        return;
    }
    // The up arrow proposes a negative delta on the default range.
    myStepping = true;
    try
    {
        mySpinObservers[aField]->step(-aDelta);
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
        document()->copyControlValue(key(), ParameterId('E', 2 + n), ParameterId('E', 7 + n));
    }
    document()->copyStatusValue(key(), ParameterId('E', 6), ParameterId('F', 7));
}
