#include "Tessiva/Panels/UnitFrontPanel.h"

#include "Models/ParameterIds.h"
#include "Platform/Assertion.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/Win32BitmapObserver.h"
#include "Tessiva/Controls/Win32CheckBoxObserver.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Tessiva/Controls/Win32EditObserver.h"
#include "Tessiva/Controls/Win32NumberListBoxObserver.h"
#include "Tessiva/Controls/Win32SpinObserver.h"
#include "Tessiva/Controls/Win32WindowTextObserver.h"
#include "Tessiva/Panels/DeviceErrorGuard.h"
#include "Tessiva/Controls/LedBitmaps.h"
#include "Tessiva/Panels/UnitNameObserver.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/VornaException.h"

using Platform::Notification;
using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const ParameterId theBypassMode('a', 8);
const ParameterId theTimeCodeControl('O', 1);
const ParameterId theCurrentCodingDelay('b', 7);
const ParameterId theCodingDelayMode('o', 0);
const ParameterId theCodingDelay('o', 1);
const ParameterId theUnitName('a', 14);
const ParameterId thePassThroughMode('b', 10);
const ParameterId theClockLock('o', 2);
const ParameterId theDeviceType(static_cast<signed char>(0xF8), 0);
const ParameterId theFirmwareVersion(static_cast<signed char>(0xF8), 1);
const unsigned theFirstClockSource = 20500;
const unsigned theLastClockSource = 20505;
const unsigned theFirstDelayMode = 21100;
const unsigned theLastDelayMode = 21101;
// The reported delay list covers both models' delays.
const int theLowestDelay = 70;
const int theHighestDelay = 450;
const int theDelayListWidth = 2;
const int theDelayWidth = 3;
}

UnitFrontPanel::UnitFrontPanel(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument)
    : FrontPanel(aParentWindow, aKey, aDocument, templateId),
      myModelName(nullptr),
      myRevision(nullptr),
      myBypass(nullptr),
      myDelayConverter(theDelayWidth),
      myCodingDelayRequested(nullptr),
      myUnitName(nullptr),
      myCodingDelaySpin(nullptr),
      myClockSource(nullptr),
      myCodingDelayMode(nullptr),
      myPassThroughLed(nullptr),
      myClockLed(nullptr)
{
    const bool created = create(templateId, aParentWindow);
    VORNA_ASSERT(created);
    raiseWindow();
    FrontPanel::createObservers();
    createObservers();
    // Outside the guard: a failure here reaches the caller, which shows it.
    myUnitNameObserver.reset(new UnitNameObserver(key(), &myName, aParentWindow));
    document()->attachControlObserver(key(), theUnitName, myUnitNameObserver.get());
    myPages.addPages(key(), document());
}

UnitFrontPanel::~UnitFrontPanel()
{
    myModelNameObserver.reset();
    myRevisionObserver.reset();
    myBypassObserver.reset();
    myClockSourceObserver.reset();
    myCodingDelayModeObserver.reset();
    myCodingDelayEditObserver.reset();
    myCodingDelaySpinObserver.reset();
    myCodingDelayCurrentObserver.reset();
    myUnitNameEditObserver.reset();
    myUnitNameObserver.reset();
    myPassThroughLedObserver.reset();
    myClockLedObserver.reset();
}

Platform::DialogTemplate UnitFrontPanel::dialogTemplate()
{
    Platform::WindowStyle label;
    label.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    Platform::WindowStyle led;
    led.image = true;
    led.tabStop = false;
    Platform::WindowStyle digits;
    digits.digitsOnly = true;
    Platform::WindowStyle buddy;
    buddy.autoBuddy = true;
    Platform::DialogTemplate panel(templateId, "", panelWidth, panelHeight);
    FrontPanel::addControls(panel);
    const auto row = [](int anIndex) { return modelRowsTop + anIndex * rowHeight; };
    panel.add(WindowKind::Static, theLabelId, "Clock Source", labelLeft, row(0) + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, clockSourceId, "", fieldLeft, row(0), 110, 80)
        .addImage(WindowKind::Static, clockLedId, LedBitmaps::red, fieldLeft + 114, row(0) + 2, 10, 10, led)
        .add(WindowKind::CheckBox, bypassId, "Bypass", labelLeft, row(1) + 1, 70, 10)
        .addImage(WindowKind::Static, passThroughLedId, LedBitmaps::off, fieldLeft, row(1) + 1, 10, 10, led)
        .add(WindowKind::Static, theLabelId, "Pass Through", fieldLeft + 14, row(1) + 2, 60, 8, label)
        .add(WindowKind::Static, theLabelId, "Coding Delay", labelLeft, row(2) + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, codingDelayModeId, "", fieldLeft, row(2), 56, 40)
        .add(WindowKind::Edit, codingDelayRequestedId, "", fieldLeft + 60, row(2), 26, 12, digits)
        .add(WindowKind::UpDown, codingDelaySpinId, "", fieldLeft + 86, row(2), 10, 12, buddy)
        .add(WindowKind::ListBox, codingDelayCurrentId, "", fieldLeft + 100, row(2) + 1, 28, 10, list)
        .add(WindowKind::Static, theLabelId, "Unit Name", labelLeft, row(3) + 2, labelWidth, 8, label)
        .add(WindowKind::Edit, unitNameId, "", fieldLeft, row(3), 110, 12)
        .add(WindowKind::Static, modelNameId, "KQ350", labelLeft, row(4) + 2, 40, 8, label)
        .add(WindowKind::Static, revisionId, "X.XX", labelLeft + 44, row(4) + 2, 30, 8, label);
    addPages(panel, pagesId);
    return panel;
}

void UnitFrontPanel::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& strings = aResources.strings();
    strings.addRun(theFirstClockSource, {"Digital Input", "Ref Input--SR Conv. Off", "Ref Input--SR Conv. On",
                                         "Internal 48 kHz", "Internal 44.1 kHz", "Internal 32 kHz"});
    strings.addRun(theFirstDelayMode, {"Internal", "External"});
    LedBitmaps::addResources(aResources);
    FrontPanel::addResources(aResources);
    UnitPageTabs::addResources(aResources);
}

void UnitFrontPanel::getName(std::string& aName) const
{
    aName = myName;
}

void UnitFrontPanel::doDataExchange()
{
    FrontPanel::doDataExchange();
    myModelName = &control(modelNameId);
    myRevision = &control(revisionId);
    myCodingDelayCurrent.emplace(&control(codingDelayCurrentId));
    myBypass = &control(bypassId);
    myClockSource = &control(clockSourceId);
    myCodingDelayMode = &control(codingDelayModeId);
    myCodingDelayRequested = &control(codingDelayRequestedId);
    myCodingDelaySpin = &control(codingDelaySpinId);
    myPages.attach(&control(pagesId));
    myUnitName = &control(unitNameId);
    myPassThroughLed = &control(passThroughLedId);
    myClockLed = &control(clockLedId);
    bindNotifications();
}

void UnitFrontPanel::bindNotifications()
{
    handle(clockSourceId, Notification::SelectionChanged, [this]() {
        if (myClockSourceObserver)
        {
            myClockSourceObserver->selectionChange();
        }
    });
    handle(codingDelayModeId, Notification::SelectionChanged, [this]() {
        if (myCodingDelayModeObserver)
        {
            myCodingDelayModeObserver->selectionChange();
        }
    });
    handle(bypassId, Notification::Clicked, [this]() {
        if (myBypassObserver)
        {
            myBypassObserver->click();
        }
    });
    control(pagesId).on(Notification::TabSelectionChanged, [this](Platform::Event&) { myPages.selectionChange(); });
    handle(codingDelayRequestedId, Notification::EditChanged, [this]() {
        if (myCodingDelayEditObserver)
        {
            myCodingDelayEditObserver->commit();
        }
    });
    handle(codingDelayRequestedId, Notification::FocusLost, [this]() {
        if (myCodingDelayEditObserver)
        {
            myCodingDelayEditObserver->refresh();
        }
    });
    handle(unitNameId, Notification::FocusLost, [this]() { commitUnitName(); });
    // The up-down keeps its default range, whose up arrow moves down: the
    // observer steps by the negated delta; the control's own move is let through.
    CTessivaDoc* doc = document();
    const DeviceKey panelKey = key();
    control(codingDelaySpinId).on(Notification::SpinDelta, [this, doc, panelKey](Platform::Event& anEvent) {
        anEvent.result = 0;
        const int delta = anEvent.delta;
        DeviceErrorGuard::run(doc, panelKey, [this, delta]() {
            if (myCodingDelaySpinObserver)
            {
                myCodingDelaySpinObserver->step(-delta);
            }
        });
    });
}

void UnitFrontPanel::onOK()
{
    guarded([this]() { commitUnitName(); });
}

void UnitFrontPanel::commitUnitName()
{
    if (myUnitNameEditObserver)
    {
        myUnitNameEditObserver->commit();
        myUnitNameEditObserver->refresh();
    }
}

void UnitFrontPanel::createObservers()
{
    guarded([this]() {
        createLfeObserver();
        createStatusListObservers();
        createCodingObservers();
        createEditObservers();
        createSpinObserver();
        createLedObservers();
        createIdentityObservers();
    });
}

void UnitFrontPanel::createLfeObserver()
{
    myBypassObserver.reset(new Win32CheckBoxObserver(myBypass, 1));
    document()->attachControlObserver(key(), theBypassMode, myBypassObserver.get());
    Win32CheckBoxObserver* timeCode = new Win32CheckBoxObserver(&control(timeCodeCtrlId), 1);
    myTimeCodeObserver.reset(timeCode);
    document()->attachControlObserver(key(), theTimeCodeControl, timeCode);
}

void UnitFrontPanel::createStatusListObservers()
{
    myCodingDelayCurrentObserver.reset(new Win32NumberListBoxObserver(myCodingDelayCurrent->window(), theLowestDelay,
                                                                      theHighestDelay, theDelayListWidth));
    document()->attachStatusObserver(key(), theCurrentCodingDelay, myCodingDelayCurrentObserver.get());
}

void UnitFrontPanel::createCodingObservers()
{
    myClockSourceObserver.reset(
        new Win32ComboBoxObserver(myClockSource, theFirstClockSource, theLastClockSource, strings()));
    document()->attachControlObserver(key(), ParameterIds::clockSource, myClockSourceObserver.get());
    myCodingDelayModeObserver.reset(
        new Win32ComboBoxObserver(myCodingDelayMode, theFirstDelayMode, theLastDelayMode, strings()));
    document()->attachControlObserver(key(), theCodingDelayMode, myCodingDelayModeObserver.get());
}

void UnitFrontPanel::createEditObservers()
{
    myCodingDelayEditObserver.reset(new Win32EditObserver(myCodingDelayRequested, &myDelayConverter));
    document()->attachControlObserver(key(), theCodingDelay, myCodingDelayEditObserver.get());
    myCodingDelayRequested->setTextLimit(delayLength);
    myUnitNameEditObserver.reset(new Win32EditObserver(myUnitName, &myNameConverter));
    document()->attachControlObserver(key(), theUnitName, myUnitNameEditObserver.get());
    myUnitName->setTextLimit(nameLength);
}

void UnitFrontPanel::createSpinObserver()
{
    myCodingDelaySpinObserver.reset(new Win32SpinObserver(myCodingDelaySpin));
    document()->attachControlObserver(key(), theCodingDelay, myCodingDelaySpinObserver.get());
}

void UnitFrontPanel::createLedObservers()
{
    const Platform::Resources& program = resources();
    myLedRed = LoadedBitmap::load(program, LedBitmaps::red);
    if (!myLedRed)
    {
        throw VornaException("Error loading the red led");
    }
    myLedOff = LoadedBitmap::load(program, LedBitmaps::off);
    if (!myLedOff)
    {
        throw VornaException("Error loading the off led");
    }
    myLedOn = LoadedBitmap::load(program, LedBitmaps::on);
    if (!myLedOn)
    {
        throw VornaException("Error loading the on led");
    }
    myPassThroughLedObserver.reset(new Win32BitmapObserver(myPassThroughLed, &myPositiveTest, &*myLedOn, &*myLedOff));
    document()->attachStatusObserver(key(), thePassThroughMode, myPassThroughLedObserver.get());
    myClockLedObserver.reset(new Win32BitmapObserver(myClockLed, &myPositiveTest, &*myLedOn, &*myLedRed));
    document()->attachStatusObserver(key(), theClockLock, myClockLedObserver.get());
}

void UnitFrontPanel::createIdentityObservers()
{
    myModelNameObserver.reset(new Win32WindowTextObserver(myModelName));
    document()->attachStatusObserver(key(), theDeviceType, myModelNameObserver.get());
    myRevisionObserver.reset(new Win32WindowTextObserver(myRevision));
    document()->attachStatusObserver(key(), theFirmwareVersion, myRevisionObserver.get());
}
