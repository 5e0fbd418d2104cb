#include "Tessiva/Panels/Pages/PreprocessingPage.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/MeterObserver.h"
#include "Tessiva/Controls/MeterSettings.h"
#include "Tessiva/Controls/ReadOnlyListBox.h"
#include "Tessiva/Controls/Win32CheckBoxObserver.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Tessiva/Controls/Win32ShowHideObserver.h"
#include "Tessiva/Controls/Win32StringListBoxObserver.h"

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const unsigned theFirstCompressionString = 12000;
// 13000 "Auto" comes in front of "Off" and "On" while automatic is in range.
const unsigned theAutoString = 13000;
const unsigned theFirstDeemphasisString = 13001;
const std::int16_t theAutomatic = -1;

struct CheckBinding
{
    int id;
    int index;
    std::int32_t checkedValue;
};

// In the order the observers are made.
const CheckBinding theCheckBoxes[] = {{PreprocessingPage::lfeLowpassId, 30, 1},
                                      {PreprocessingPage::dcHighpassId, 28, 1},
                                      {PreprocessingPage::bandwidthLowpassId, 29, 1},
                                      {PreprocessingPage::phaseShiftId, 31, 1},
                                      {PreprocessingPage::attenuationId, 32, 1},
                                      {PreprocessingPage::overmodulationId, 27, 1},
                                      {PreprocessingPage::deemphasisAutoId, 33, theAutomatic}};

struct MeterBinding
{
    int id;
    int index;
    MeterSettings settings;
};


const MeterBinding theMeters[] = {
    {PreprocessingPage::inputLevelMeterId, 10, MeterSettings::horizontalBar(9.03125, -60.0, 0.0, -60.0, -0.564453125)},
    {PreprocessingPage::lineModeMeterId, 12, MeterSettings::horizontalBar(-24.0, 0.0, 24.0, -24.0, 0.1875)},
    {PreprocessingPage::rfModeMeterId, 14, MeterSettings::horizontalBar(-48.0, 0.0, 24.0, -24.0, 0.375)}};

const Platform::StringTable& strings()
{
    return Platform::Application::current().resources().strings();
}
}

PreprocessingPage::PreprocessingPage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument), myCheckBoxes(), myCompression(nullptr), myDeemphasis(nullptr), myMeters()
{
    createPage(templateId, aParentWindow);
}

PreprocessingPage::~PreprocessingPage()
{
    for (std::unique_ptr<Win32CheckBoxObserver>& observer : myCheckBoxObservers)
    {
        observer.reset();
    }
    myCompressionObserver.reset();
    myDeemphasisObserver.reset();
    myDetectedDeemphasisObserver.reset();
    myDeemphasisShowHideObserver.reset();
    for (std::unique_ptr<MeterObserver>& observer : myMeterObservers)
    {
        observer.reset();
    }
}

Platform::DialogTemplate PreprocessingPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle readOnlyList;
    readOnlyList.notify = true;
    readOnlyList.tabStop = false;
    // The detected de-emphasis stands in the combo box's place; the
    // observer of automatic de-emphasis shows one of the two.
    readOnlyList.visible = false;
    Platform::WindowStyle meter;
    meter.sunken = true;
    meter.ownerDrawn = true;
    Platform::DialogTemplate dialog(templateId, "", 250, 160);
    dialog.add(WindowKind::GroupBox, theLabelId, "Input Filtering", 7, 4, 116, 72, group)
        .add(WindowKind::CheckBox, lfeLowpassId, "LFE Lowpass Filter", 14, 16, 100, 10)
        .add(WindowKind::CheckBox, dcHighpassId, "DC Highpass Filter", 14, 28, 100, 10)
        .add(WindowKind::CheckBox, bandwidthLowpassId, "Bandwidth Lowpass Filter", 14, 40, 104, 10)
        .add(WindowKind::Static, theLabelId, "Digital Deemphasis", 14, 54, 70, 8)
        .add(WindowKind::CheckBox, deemphasisAutoId, "Auto", 86, 53, 30, 10)
        .add(WindowKind::ComboBox, deemphasisId, "", 14, 63, 60, 40)
        .add(WindowKind::ListBox, detectedDeemphasisId, "", 14, 63, 60, 10, readOnlyList)
        .add(WindowKind::GroupBox, theLabelId, "Surround Channel Processing", 127, 4, 116, 44, group)
        .add(WindowKind::CheckBox, phaseShiftId, "90 Degree Phase Shift", 134, 16, 100, 10)
        .add(WindowKind::CheckBox, attenuationId, "3 dB Attenuation", 134, 28, 100, 10)
        .add(WindowKind::CheckBox, overmodulationId, "RF Overmodulation Protection", 127, 54, 116, 10)
        .add(WindowKind::GroupBox, theLabelId, "Dynamic Range Compression", 7, 80, 236, 76, group)
        .add(WindowKind::Static, theLabelId, "Compression Characteristic", 14, 92, 100, 8)
        .add(WindowKind::ComboBox, compressionId, "", 14, 102, 90, 80)
        .add(WindowKind::Static, theLabelId, "Input level", 120, 92, 60, 8)
        .add(WindowKind::Static, theLabelId, "-60", 120, 110, 14, 8)
        .add(WindowKind::Static, theLabelId, "-40", 156, 110, 14, 8)
        .add(WindowKind::Static, theLabelId, "-20", 192, 110, 14, 8)
        .add(WindowKind::Static, theLabelId, "0", 228, 110, 8, 8)
        .add(WindowKind::Static, inputLevelMeterId, "", 120, 101, 112, 8, meter)
        .add(WindowKind::Static, theLabelId, "Line mode", 14, 120, 60, 8)
        .add(WindowKind::Static, lineModeMeterId, "", 14, 130, 90, 8, meter)
        .add(WindowKind::Static, theLabelId, "-24", 14, 140, 14, 8)
        .add(WindowKind::Static, theLabelId, "0", 57, 140, 8, 8)
        .add(WindowKind::Static, theLabelId, "24", 96, 140, 10, 8)
        .add(WindowKind::Static, theLabelId, "RF mode", 120, 124, 60, 8)
        .add(WindowKind::Static, rfModeMeterId, "", 120, 134, 112, 8, meter)
        .add(WindowKind::Static, theLabelId, "-24", 120, 144, 14, 8)
        .add(WindowKind::Static, theLabelId, "0", 174, 144, 8, 8)
        .add(WindowKind::Static, theLabelId, "24", 226, 144, 10, 8);
    return dialog;
}

void PreprocessingPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    table.add(labelStringId, "Preprocessing");
    table.addRun(theFirstCompressionString,
                 {"None", "Film: Standard", "Film: Light", "Music: Standard", "Music: Light", "Speech"});
    table.addRun(theAutoString, {"Auto", "Off", "On"});
}

bool PreprocessingPage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        guarded([this]() { createObservers(); });
        bindNotifications();
    }
    return result;
}

void PreprocessingPage::doDataExchange()
{
    for (int n = 0; n < 6; ++n)
    {
        myCheckBoxes[n] = &control(theCheckBoxes[n].id);
    }
    myCompression = &control(compressionId);
    myCheckBoxes[6] = &control(deemphasisAutoId);
    myDeemphasis = &control(deemphasisId);
    myDetectedDeemphasis.reset(new ReadOnlyListBox(&control(detectedDeemphasisId)));
    for (int n = 0; n < theMeterCount; ++n)
    {
        myMeters[n] = &control(theMeters[n].id);
    }
}

void PreprocessingPage::createObservers()
{
    for (int n = 0; n < theCheckBoxCount; ++n)
    {
        myCheckBoxObservers[n].reset(new Win32CheckBoxObserver(myCheckBoxes[n], theCheckBoxes[n].checkedValue));
        document()->attachControlObserver(key(), ParameterId('B', theCheckBoxes[n].index),
                                          myCheckBoxObservers[n].get());
    }

    myCompressionObserver.reset(new Win32ComboBoxObserver(myCompression, theFirstCompressionString,
                                                          theFirstCompressionString + 5, strings()));
    document()->attachControlObserver(key(), ParameterId('B', 26), myCompressionObserver.get());
    myDeemphasisObserver.reset(new Win32ComboBoxObserver(myDeemphasis, theFirstDeemphasisString,
                                                         theFirstDeemphasisString + 1, strings()));
    document()->attachControlObserver(key(), ParameterId('B', 33), myDeemphasisObserver.get());

    myDetectedDeemphasisObserver.reset(new Win32StringListBoxObserver(
        myDetectedDeemphasis->window(), theFirstDeemphasisString, theFirstDeemphasisString + 1, strings()));
    document()->attachStatusObserver(key(), ParameterId('C', 1), myDetectedDeemphasisObserver.get());

    myDeemphasisShowHideObserver.reset(
        new Win32ShowHideObserver(myDeemphasis, myDetectedDeemphasis->window(), theAutomatic));
    document()->attachControlObserver(key(), ParameterId('B', 33), myDeemphasisShowHideObserver.get());

    for (int n = 0; n < theMeterCount; ++n)
    {
        myMeterObservers[n].reset(new MeterObserver(myMeters[n], &myScaler, &theMeters[n].settings));
        document()->attachStatusObserver(key(), ParameterId('C', theMeters[n].index), myMeterObservers[n].get());
    }
}

void PreprocessingPage::bindNotifications()
{
    for (int n = 0; n < theCheckBoxCount; ++n)
    {
        std::unique_ptr<Win32CheckBoxObserver>* observer = &myCheckBoxObservers[n];
        handle(theCheckBoxes[n].id, Platform::Notification::Clicked, [observer]() {
            if (*observer)
            {
                (*observer)->click();
            }
        });
    }
    const std::pair<int, std::unique_ptr<Win32ComboBoxObserver>*> combos[] = {
        {compressionId, &myCompressionObserver}, {deemphasisId, &myDeemphasisObserver}};
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
