#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"

#include "Platform/Framework/Application.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/Win32CheckBoxObserver.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>
#include <vector>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const unsigned theFirstCenterMixString = 11000;
const unsigned theFirstSurroundMixString = 11100;
const unsigned theFirstSurroundModeString = 11200;
const unsigned theFirstMixLevelString = 11300;
const unsigned theFirstRoomTypeString = 11400;

const Platform::StringTable& strings()
{
    return Platform::Application::current().resources().strings();
}
}

BitstreamInfoPage::BitstreamInfoPage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument),
      myCopyrightBit(nullptr),
      myOriginalBitstream(nullptr),
      myInfoExists(nullptr),
      myCenterMixLevel(nullptr),
      mySurroundMixLevel(nullptr),
      mySurroundMode(nullptr),
      myMixLevel(nullptr),
      myRoomType(nullptr)
{
    createPage(templateId, aParentWindow);
}

BitstreamInfoPage::~BitstreamInfoPage()
{
    myCopyrightObserver.reset();
    myOriginalObserver.reset();
    myInfoExistsObserver.reset();
    myCenterMixObserver.reset();
    mySurroundMixObserver.reset();
    mySurroundModeObserver.reset();
    myMixLevelObserver.reset();
    myRoomTypeObserver.reset();
}

Platform::DialogTemplate BitstreamInfoPage::dialogTemplate()
{
    Platform::WindowStyle page;
    page.visible = false;
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::DialogTemplate dialog(templateId, "", 250, 160, page);
    dialog.add(WindowKind::GroupBox, theLabelId, "Bitstream Information", 7, 7, 236, 80, group)
        .add(WindowKind::Static, theLabelId, "Center Mix Level", 14, 20, 80, 8)
        .add(WindowKind::ComboBox, centerMixLevelId, "", 14, 30, 80, 60)
        .add(WindowKind::Static, theLabelId, "Surround Mix Level", 14, 46, 80, 8)
        .add(WindowKind::ComboBox, surroundMixLevelId, "", 14, 56, 80, 60)
        .add(WindowKind::Static, theLabelId, "Vorna Surround Mode", 100, 46, 130, 8)
        .add(WindowKind::ComboBox, surroundModeId, "", 100, 56, 136, 60)
        .add(WindowKind::CheckBox, copyrightBitId, "Copyright Bit", 150, 20, 80, 10)
        .add(WindowKind::CheckBox, originalBitstreamId, "Original Bitstream", 150, 32, 86, 10)
        .add(WindowKind::GroupBox, theLabelId, "Audio Production Information", 7, 92, 236, 60, group)
        .add(WindowKind::CheckBox, infoExistsId, "Info Exists", 14, 104, 80, 10)
        .add(WindowKind::Static, theLabelId, "Mix Level", 14, 118, 80, 8)
        .add(WindowKind::ComboBox, mixLevelId, "", 14, 128, 80, 80)
        .add(WindowKind::Static, theLabelId, "Room Type", 100, 118, 130, 8)
        .add(WindowKind::ComboBox, roomTypeId, "", 100, 128, 136, 60);
    return dialog;
}

void BitstreamInfoPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    table.add(labelStringId, "Bitstream Info");
    std::vector<std::string> mixLevels;
    for (int level = 80; level <= 111; ++level)
    {
        mixLevels.push_back(std::to_string(level) + " dB SPL");
    }
    table.addRun(theFirstMixLevelString, mixLevels);
    table.addRun(theFirstCenterMixString, {"-3 dB", "-4.5 dB", "-6 dB"});
    table.addRun(theFirstSurroundMixString, {"-3 dB", "-6 dB", "None"});
    table.addRun(theFirstSurroundModeString, {"Not indicated", "NOT Vorna Surround encoded", "Vorna Surround encoded"});
    table.addRun(theFirstRoomTypeString,
                 {"Not indicated", "Large room, X curve monitor", "Small room, flat monitor"});
}

bool BitstreamInfoPage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        guarded([this]() { createObservers(); });
        bindNotifications();
    }
    return result;
}

void BitstreamInfoPage::doDataExchange()
{
    myCopyrightBit = &control(copyrightBitId);
    myOriginalBitstream = &control(originalBitstreamId);
    myInfoExists = &control(infoExistsId);
    myCenterMixLevel = &control(centerMixLevelId);
    mySurroundMixLevel = &control(surroundMixLevelId);
    mySurroundMode = &control(surroundModeId);
    myMixLevel = &control(mixLevelId);
    myRoomType = &control(roomTypeId);
}

void BitstreamInfoPage::createObservers()
{
    createCheckBoxObservers();
    createComboBoxObservers();
}

void BitstreamInfoPage::createCheckBoxObservers()
{
    const struct
    {
        Platform::Window* box;
        std::unique_ptr<Win32CheckBoxObserver>* observer;
        int index;
    } checks[] = {{myCopyrightBit, &myCopyrightObserver, 20},
                  {myOriginalBitstream, &myOriginalObserver, 21},
                  {myInfoExists, &myInfoExistsObserver, 12}};
    for (const auto& check : checks)
    {
        check.observer->reset(new Win32CheckBoxObserver(check.box, 1));
        document()->attachControlObserver(key(), ParameterId('B', check.index), check.observer->get());
    }
}

void BitstreamInfoPage::createComboBoxObservers()
{
    const struct
    {
        Platform::Window* box;
        std::unique_ptr<Win32ComboBoxObserver>* observer;
        unsigned firstString;
        unsigned lastString;
        int index;
    } combos[] = {{myMixLevel, &myMixLevelObserver, theFirstMixLevelString, theFirstMixLevelString + 31, 13},
                  {myCenterMixLevel, &myCenterMixObserver, theFirstCenterMixString, theFirstCenterMixString + 2, 7},
                  {mySurroundMixLevel, &mySurroundMixObserver, theFirstSurroundMixString,
                   theFirstSurroundMixString + 2, 8},
                  {mySurroundMode, &mySurroundModeObserver, theFirstSurroundModeString,
                   theFirstSurroundModeString + 2, 9},
                  {myRoomType, &myRoomTypeObserver, theFirstRoomTypeString, theFirstRoomTypeString + 2, 14}};
    for (const auto& combo : combos)
    {
        combo.observer->reset(new Win32ComboBoxObserver(combo.box, combo.firstString, combo.lastString, strings()));
        document()->attachControlObserver(key(), ParameterId('B', combo.index), combo.observer->get());
    }
}

void BitstreamInfoPage::bindNotifications()
{
    handle(copyrightBitId, Platform::Notification::Clicked, [this]() {
        if (myCopyrightObserver)
        {
            myCopyrightObserver->click();
        }
    });
    handle(infoExistsId, Platform::Notification::Clicked, [this]() {
        if (myInfoExistsObserver)
        {
            myInfoExistsObserver->click();
        }
    });
    // This one only tells: the device stays open, also after a wire error.
    control(originalBitstreamId).on(Platform::Notification::Clicked, [this](Platform::Event&) {
        try
        {
            if (myOriginalObserver)
            {
                myOriginalObserver->click();
            }
        }
        catch (const VornaException& anError)
        {
            Platform::MessageBox::show(anError.what());
        }
    });
    const std::pair<int, std::unique_ptr<Win32ComboBoxObserver>*> combos[] = {
        {centerMixLevelId, &myCenterMixObserver},
        {surroundMixLevelId, &mySurroundMixObserver},
        {surroundModeId, &mySurroundModeObserver},
        {mixLevelId, &myMixLevelObserver},
        {roomTypeId, &myRoomTypeObserver}};
    for (const auto& combo : combos)
    {
        std::unique_ptr<Win32ComboBoxObserver>* observer = combo.second;
        handle(combo.first, Platform::Notification::SelectionChanged, [observer]() {
            if (*observer)
            {
                (*observer)->selectionChange();
            }
        });
    }
}
