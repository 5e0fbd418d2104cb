#include "Tessiva/Panels/UnitFrontPanel.h"

#include "Models/ParameterIds.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/LedBitmaps.h"
#include "Tessiva/Panels/UnitNameObserver.h"
#include "Toolkit/Controls/Win32BitmapObserver.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32NumberListBoxObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Controls/Win32WindowTextObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

using Platform::Notification;

namespace
{
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
// The reported delay list covers both models' delays.
const int theLowestDelay = 70;
const int theHighestDelay = 450;
const int theDelayListWidth = 2;
}

UnitFrontPanel::UnitFrontPanel(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : FrontPanel(aKey, aDocument, templateId)
{
}

UnitFrontPanel::~UnitFrontPanel() = default;

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
}

void UnitFrontPanel::bindNotifications()
{
    handle(unitNameId, Notification::FocusLost, [this]() { commitUnitName(); });
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

bool UnitFrontPanel::onInitDialog()
{
    const bool result = FrontPanel::onInitDialog();
    bindNotifications();
    guarded([this]() { createUnitObservers(); });
    // Outside the guard: a failure here reaches the caller, which shows it.
    attachControl(myUnitNameObserver, theUnitName, key(), &myName, window()->parent());
    myPages.addPages(key(), document());
    return result;
}

void UnitFrontPanel::createUnitObservers()
{
    bindControl(myBypassObserver, theBypassMode, myBypass, 1);
    bindControl(myTimeCodeObserver, theTimeCodeControl, &control(timeCodeCtrlId), 1);
    bindStatus(myCodingDelayCurrentObserver, theCurrentCodingDelay, myCodingDelayCurrent->window(), theLowestDelay,
               theHighestDelay, theDelayListWidth);
    bindControl(myClockSourceObserver, ParameterIds::clockSource, myClockSource, firstClockSourceText,
                lastClockSourceText, strings());
    bindControl(myCodingDelayModeObserver, theCodingDelayMode, myCodingDelayMode, firstDelayModeText,
                lastDelayModeText, strings());
    createEditObservers();
    createSpinObserver();
    createLedObservers();
    createIdentityObservers();
}

void UnitFrontPanel::createEditObservers()
{
    bindControl(myCodingDelayEditObserver, theCodingDelay, myCodingDelayRequested, &myDelayConverter);
    myCodingDelayRequested->setTextLimit(delayLength);
    // The name goes out when the field loses the focus or on Enter, not at each key.
    attachControl(myUnitNameEditObserver, theUnitName, myUnitName, &myNameConverter);
    myUnitName->setTextLimit(nameLength);
}

void UnitFrontPanel::createSpinObserver()
{
    bindControl(myCodingDelaySpinObserver, theCodingDelay, myCodingDelaySpin);
}

void UnitFrontPanel::createLedObservers()
{
    const Platform::Resources& program = resources();
    myLedRed = LoadedBitmap::require(program, LedBitmaps::red, "Error loading the red led");
    myLedOff = LoadedBitmap::require(program, LedBitmaps::off, "Error loading the off led");
    myLedOn = LoadedBitmap::require(program, LedBitmaps::on, "Error loading the on led");
    bindStatus(myPassThroughLedObserver, thePassThroughMode, myPassThroughLed, &myPositiveTest, &*myLedOn, &*myLedOff);
    bindStatus(myClockLedObserver, theClockLock, myClockLed, &myPositiveTest, &*myLedOn, &*myLedRed);
}

void UnitFrontPanel::createIdentityObservers()
{
    bindStatus(myModelNameObserver, theDeviceType, myModelName);
    bindStatus(myRevisionObserver, theFirmwareVersion, myRevision);
}
