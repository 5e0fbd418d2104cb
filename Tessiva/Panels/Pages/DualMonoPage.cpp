#include "Tessiva/Panels/Pages/DualMonoPage.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/MeterObserver.h"
#include "Tessiva/Controls/MeterSettings.h"
#include "Tessiva/Controls/Win32CheckBoxObserver.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <string>
#include <vector>

using Platform::Notification;
using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const unsigned theFirstDialNormString = 10500;
const unsigned theLastDialNormString = 10531;
const unsigned theFirstMixLevelString = 11300;
const unsigned theLastMixLevelString = 11331;
const unsigned theFirstRoomTypeString = 11400;
const unsigned theLastRoomTypeString = 11402;
}

DualMonoPage::DualMonoPage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument),
      myInfoExists(nullptr),
      myDialogNormalization(nullptr),
      myMixLevel(nullptr),
      myRoomType(nullptr),
      myRfModeBar(nullptr),
      myInputLevelBar(nullptr),
      myLineModeBar(nullptr)
{
    createPage(dialogId, aParentWindow);
}

DualMonoPage::~DualMonoPage()
{
    myInfoExistsObserver.reset();
    myMixLevelObserver.reset();
    myRoomTypeObserver.reset();
    myDialogNormalizationObserver.reset();
    myInputLevelObserver.reset();
    myLineModeObserver.reset();
    myRfModeObserver.reset();
}

Platform::DialogTemplate DualMonoPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle bar;
    bar.ownerDrawn = true;
    bar.sunken = true;
    bar.tabStop = false;
    Platform::DialogTemplate page(dialogId, "", 250, 160);
    page.add(WindowKind::Static, theLabelId, "These fields apply to Channel 2", 10, 4, 110, 8)
        .add(WindowKind::Static, theLabelId, "when coding in Dual Mono (1+1)", 10, 12, 110, 8)
        .add(WindowKind::Static, theLabelId, "mode.", 10, 20, 110, 8)
        .add(WindowKind::GroupBox, theLabelId, "Audio Service Configuration", 7, 32, 112, 40, group)
        .add(WindowKind::Static, theLabelId, "Dialog Normalization", 14, 42, 90, 8)
        .add(WindowKind::ComboBox, dialogNormalizationId, "", 14, 52, 70, 100)
        .add(WindowKind::GroupBox, theLabelId, "Audio Production Information", 123, 2, 120, 74, group)
        .add(WindowKind::CheckBox, infoExistsId, "Info Exists", 130, 12, 80, 10)
        .add(WindowKind::Static, theLabelId, "Mix Level", 130, 24, 50, 8)
        .add(WindowKind::ComboBox, mixLevelId, "", 130, 33, 60, 100)
        .add(WindowKind::Static, theLabelId, "Room Type", 130, 49, 50, 8)
        .add(WindowKind::ComboBox, roomTypeId, "", 130, 58, 108, 60)
        .add(WindowKind::GroupBox, theLabelId, "Dynamic Range Compression", 7, 80, 236, 76, group);
    // Each bar with its label on the left and its own scale under it.
    struct Bar
    {
        const char* label;
        int id;
        bool decibels; // -60 to 0 dB, else -24 to 24
    };
    const Bar bars[] = {{"Input level", inputLevelBarId, true}, {"Line mode", lineModeBarId, false},
                        {"RF mode", rfModeBarId, false}};
    int y = 91;
    for (const Bar& each : bars)
    {
        page.add(WindowKind::Static, theLabelId, each.label, 14, y, 50, 8)
            .add(WindowKind::Static, each.id, "", 70, y, 160, 8, bar);
        if (each.decibels)
        {
            page.add(WindowKind::Static, theLabelId, "-60", 66, y + 9, 14, 8)
                .add(WindowKind::Static, theLabelId, "-40", 116, y + 9, 14, 8)
                .add(WindowKind::Static, theLabelId, "-20", 168, y + 9, 14, 8)
                .add(WindowKind::Static, theLabelId, "0", 226, y + 9, 8, 8);
        }
        else
        {
            page.add(WindowKind::Static, theLabelId, "-24", 66, y + 9, 14, 8)
                .add(WindowKind::Static, theLabelId, "0", 148, y + 9, 8, 8)
                .add(WindowKind::Static, theLabelId, "24", 224, y + 9, 10, 8);
        }
        y += 20;
    }
    return page;
}

void DualMonoPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& strings = aResources.strings();
    strings.add(dialogId, "Dual Mono");
    std::vector<std::string> dialNorm(1, "Reserved");
    for (int level = 1; level <= 31; ++level)
    {
        dialNorm.push_back("-" + std::to_string(level) + " dB");
    }
    strings.addRun(theFirstDialNormString, dialNorm);
    std::vector<std::string> mixLevels;
    for (int level = 80; level <= 111; ++level)
    {
        mixLevels.push_back(std::to_string(level) + " dB SPL");
    }
    strings.addRun(theFirstMixLevelString, mixLevels);
    strings.addRun(theFirstRoomTypeString,
                   {"Not indicated", "Large room, X curve monitor", "Small room, flat monitor"});
}

bool DualMonoPage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        guarded([this]() { createObservers(); });
    }
    return result;
}

void DualMonoPage::doDataExchange()
{
    DevicePage::doDataExchange();
    myInfoExists = &control(infoExistsId);
    myDialogNormalization = &control(dialogNormalizationId);
    myMixLevel = &control(mixLevelId);
    myRoomType = &control(roomTypeId);
    myInputLevelBar = &control(inputLevelBarId);
    myLineModeBar = &control(lineModeBarId);
    myRfModeBar = &control(rfModeBarId);
    bindNotifications();
}

void DualMonoPage::bindNotifications()
{
    handle(infoExistsId, Notification::Clicked, [this]() {
        if (myInfoExistsObserver)
        {
            myInfoExistsObserver->click();
        }
    });
    handle(dialogNormalizationId, Notification::SelectionChanged, [this]() {
        if (myDialogNormalizationObserver)
        {
            myDialogNormalizationObserver->selectionChange();
        }
    });
    handle(mixLevelId, Notification::SelectionChanged, [this]() {
        if (myMixLevelObserver)
        {
            myMixLevelObserver->selectionChange();
        }
    });
    handle(roomTypeId, Notification::SelectionChanged, [this]() {
        if (myRoomTypeObserver)
        {
            myRoomTypeObserver->selectionChange();
        }
    });
}

void DualMonoPage::createObservers()
{
    const Platform::StringTable& strings = Platform::Application::current().resources().strings();
    CTessivaDoc* doc = document();

    myInfoExistsObserver.reset(new Win32CheckBoxObserver(myInfoExists, 1));
    doc->attachControlObserver(key(), ParameterId('B', 17), myInfoExistsObserver.get());

    myDialogNormalizationObserver.reset(
        new Win32ComboBoxObserver(myDialogNormalization, theFirstDialNormString, theLastDialNormString, strings));
    doc->attachControlObserver(key(), ParameterId('B', 6), myDialogNormalizationObserver.get());

    myMixLevelObserver.reset(
        new Win32ComboBoxObserver(myMixLevel, theFirstMixLevelString, theLastMixLevelString, strings));
    doc->attachControlObserver(key(), ParameterId('B', 18), myMixLevelObserver.get());

    myRoomTypeObserver.reset(
        new Win32ComboBoxObserver(myRoomType, theFirstRoomTypeString, theLastRoomTypeString, strings));
    doc->attachControlObserver(key(), ParameterId('B', 19), myRoomTypeObserver.get());

    const MeterSettings inputLevel = MeterSettings::horizontalBar(9.03125, -60.0, 0.0, -60.0, -0.564453125);
    myInputLevelObserver.reset(new MeterObserver(myInputLevelBar, &myScaler, &inputLevel));
    doc->attachStatusObserver(key(), ParameterId('C', 11), myInputLevelObserver.get());

    const MeterSettings lineMode = MeterSettings::horizontalBar(-24.0, 0.0, 24.0, -24.0, 0.1875);
    myLineModeObserver.reset(new MeterObserver(myLineModeBar, &myScaler, &lineMode));
    doc->attachStatusObserver(key(), ParameterId('C', 13), myLineModeObserver.get());

    const MeterSettings rfMode = MeterSettings::horizontalBar(-48.0, 0.0, 24.0, -24.0, 0.375);
    myRfModeObserver.reset(new MeterObserver(myRfModeBar, &myScaler, &rfMode));
    doc->attachStatusObserver(key(), ParameterId('C', 15), myRfModeObserver.get());
}
