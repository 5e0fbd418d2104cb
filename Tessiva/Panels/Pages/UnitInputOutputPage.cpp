#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/Win32BitmapObserver.h"
#include "Tessiva/Controls/Win32CheckBoxObserver.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Tessiva/Controls/Win32EditObserver.h"
#include "Tessiva/Controls/Win32SpinObserver.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;

struct ComboBinding
{
    int id;
    int index;
    unsigned firstString;
    unsigned lastString;
};

// In the order the observers are made; all in group 'a'.
const ComboBinding theCombos[] = {{UnitInputOutputPage::channelAssignmentId, 1, 15080, 15085},
                                  {UnitInputOutputPage::inputSourceId, 0, 21200, 21201},
                                  {UnitInputOutputPage::inputFormatId, 3, 20300, 20302},
                                  {UnitInputOutputPage::auxDataId, 6, 20400, 20403},
                                  {UnitInputOutputPage::testToneId, 11, 20600, 20603}};

const Platform::StringTable& strings()
{
    return Platform::Application::current().resources().strings();
}
}

UnitInputOutputPage::UnitInputOutputPage(Platform::Window* aParentWindow, const DeviceKey& aKey,
                                         CTessivaDoc* aDocument)
    : InputOutputPage(aParentWindow, aKey, aDocument, nullptr, templateId),
      myConverter(1),
      myOutputStreamEdit(nullptr),
      myOutputStreamSpin(nullptr),
      myMultiplexMode(nullptr),
      myCombos(),
      myLeds()
{
    for (int led = 0; led < ledCount; ++led)
    {
        myPredicates.emplace_back(static_cast<std::uint16_t>(1 << led));
    }
    // The base made its window and its observers as an InputOutputPage; now
    // that this page's members exist, it binds its own controls too.
    if (window() != nullptr && ChildDialog::onInitDialog())
    {
        createObservers();
        bindOwnNotifications();
    }
}

UnitInputOutputPage::~UnitInputOutputPage()
{
    myMultiplexObserver.reset();
    for (std::unique_ptr<Win32ComboBoxObserver>& observer : myComboObservers)
    {
        observer.reset();
    }
    for (std::unique_ptr<Win32BitmapObserver>& observer : myLedObservers)
    {
        observer.reset();
    }
    myEditObserver.reset();
    mySpinObserver.reset();
}

Platform::DialogTemplate UnitInputOutputPage::dialogTemplate()
{
    // The KQ310 page's controls without the routing button, in its places.
    const Platform::DialogTemplate base = InputOutputPage::dialogTemplate();
    Platform::DialogTemplate dialog(templateId, "", 250, 220);
    for (const Platform::DialogTemplate::Control& control : base.controls())
    {
        if (control.id != routingButtonId)
        {
            dialog.add(control.kind, control.id, control.text, control.bounds.left, control.bounds.top,
                       control.bounds.width(), control.bounds.height(), control.style);
        }
    }
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle digits;
    digits.digitsOnly = true;
    Platform::WindowStyle upDown;
    upDown.autoBuddy = true;
    Platform::WindowStyle led;
    led.image = true;
    dialog.add(WindowKind::CheckBox, multiplexModeId, "Multiplex Mode", 150, 122, 80, 10)
        .add(WindowKind::GroupBox, theLabelId, "Input", 7, 140, 116, 56, group)
        .add(WindowKind::Static, theLabelId, "Source", 14, 152, 40, 8)
        .add(WindowKind::ComboBox, inputSourceId, "", 56, 150, 62, 40)
        .add(WindowKind::Static, theLabelId, "Format", 14, 166, 40, 8)
        .add(WindowKind::ComboBox, inputFormatId, "", 56, 164, 62, 50)
        .add(WindowKind::Static, theLabelId, "Aux Data", 14, 180, 40, 8)
        .add(WindowKind::ComboBox, auxDataId, "", 56, 178, 62, 60)
        .add(WindowKind::Static, theLabelId, "Channel Assignment", 127, 140, 110, 8)
        .add(WindowKind::ComboBox, channelAssignmentId, "", 127, 150, 116, 80)
        .add(WindowKind::GroupBox, theLabelId, "Test Tone Generation", 127, 166, 116, 30, group)
        .add(WindowKind::Static, theLabelId, "Test Tone", 134, 180, 40, 8)
        .add(WindowKind::ComboBox, testToneId, "", 176, 178, 62, 60)
        .add(WindowKind::GroupBox, theLabelId, "Stream Number", 7, 198, 236, 20, group)
        .add(WindowKind::Static, theLabelId, "Output", 14, 206, 26, 8)
        .add(WindowKind::Edit, outputStreamEditId, "", 42, 204, 20, 12, digits)
        .add(WindowKind::UpDown, outputStreamSpinId, "", 62, 204, 10, 12, upDown)
        .add(WindowKind::Static, theLabelId, "Input", 84, 206, 22, 8);
    for (int n = 0; n < ledCount; ++n)
    {
        dialog.addImage(WindowKind::Static, firstLedId + n, offLedBitmap, 108 + n * 16, 205, 8, 8, led)
            .add(WindowKind::Static, theLabelId, std::to_string(n), 116 + n * 16, 206, 6, 8);
    }
    return dialog;
}

void UnitInputOutputPage::addResources(Platform::Resources& aResources)
{
    InputOutputPage::addResources(aResources);
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    table.addRun(15080, {"Mode 1: L/R,  Ls/Rs, C/LFE", "Mode 2: L/C,  R/Ls,  Rs/LFE", "Mode 3: L/Ls, C/Rs,  R/LFE",
                         "Mode 4: L/R,  C/LFE, Ls/Rs", "Mode 5: L/C,  Rs/R,  Ls/LFE", "Mode 6: C/L,  R/Ls,  Rs/LFE"});
    table.addRun(21200, {"Analog", "Digital"});
    table.addRun(20300, {"PCM", "Pre-encoded", "Autodetect"});
    table.addRun(20400, {"Disabled", "1200 bps", "2400 bps", "9600 bps"});
    table.addRun(20600, {"Disabled", "-20 dBFS", "-18 dBFS", "Silence"});
}

void UnitInputOutputPage::doDataExchange()
{
    InputOutputPage::doDataExchange();
    myOutputStreamEdit = &control(outputStreamEditId);
    myOutputStreamSpin = &control(outputStreamSpinId);
    myMultiplexMode = &control(multiplexModeId);
    for (int n = 0; n < theComboCount; ++n)
    {
        myCombos[n] = &control(theCombos[n].id);
    }
    for (int n = 0; n < ledCount; ++n)
    {
        myLeds[n] = &control(firstLedId + n);
    }
}

void UnitInputOutputPage::createObservers()
{
    guarded([this]() {
        createEditObservers();
        createComboBoxObservers();
        createCheckBoxObservers();
        createLedObservers();
    });
}

void UnitInputOutputPage::createCheckBoxObservers()
{
    myMultiplexObserver.reset(new Win32CheckBoxObserver(myMultiplexMode, 1));
    document()->attachControlObserver(key(), ParameterId('a', 4), myMultiplexObserver.get());
}

void UnitInputOutputPage::createComboBoxObservers()
{
    for (int n = 0; n < theComboCount; ++n)
    {
        const ComboBinding& binding = theCombos[n];
        myComboObservers[n].reset(
            new Win32ComboBoxObserver(myCombos[n], binding.firstString, binding.lastString, strings()));
        document()->attachControlObserver(key(), ParameterId('a', binding.index), myComboObservers[n].get());
    }
}

void UnitInputOutputPage::createEditObservers()
{
    myEditObserver.reset(new Win32EditObserver(myOutputStreamEdit, &myConverter));
    document()->attachControlObserver(key(), ParameterId('H', 8), myEditObserver.get());
    mySpinObserver.reset(new Win32SpinObserver(myOutputStreamSpin));
    document()->attachControlObserver(key(), ParameterId('H', 8), mySpinObserver.get());
}

void UnitInputOutputPage::createLedObservers()
{
    const Platform::Resources& resources = Platform::Application::current().resources();
    myOffLed = LoadedBitmap::load(resources, offLedBitmap);
    if (!myOffLed)
    {
        throw VornaException("Error loading the off led");
    }
    myOnLed = LoadedBitmap::load(resources, onLedBitmap);
    if (!myOnLed)
    {
        throw VornaException("Error loading the on led");
    }
    for (int n = 0; n < ledCount; ++n)
    {
        myLedObservers[n].reset(new Win32BitmapObserver(myLeds[n], &myPredicates[n], &*myOnLed, &*myOffLed));
        document()->attachStatusObserver(key(), ParameterId('b', 11), myLedObservers[n].get());
    }
}

void UnitInputOutputPage::bindOwnNotifications()
{
    for (int n = 0; n < theComboCount; ++n)
    {
        std::unique_ptr<Win32ComboBoxObserver>* observer = &myComboObservers[n];
        handle(theCombos[n].id, Platform::Notification::SelectionChanged, [observer]() {
            if (*observer)
            {
                (*observer)->selectionChange();
            }
        });
    }
    handle(multiplexModeId, Platform::Notification::Clicked, [this]() {
        if (myMultiplexObserver)
        {
            myMultiplexObserver->click();
        }
    });
    handle(outputStreamEditId, Platform::Notification::EditChanged, [this]() {
        if (myEditObserver)
        {
            myEditObserver->commit();
        }
    });
    handle(outputStreamEditId, Platform::Notification::FocusLost, [this]() {
        if (myEditObserver)
        {
            myEditObserver->refresh();
        }
    });
    myOutputStreamSpin->on(Platform::Notification::SpinDelta, [this](Platform::Event& anEvent) {
        anEvent.result = 0;
        const int delta = anEvent.delta;
        guarded([this, delta]() {
            if (mySpinObserver)
            {
                mySpinObserver->step(-delta);
            }
        });
    });
}
