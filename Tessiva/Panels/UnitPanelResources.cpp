// The resources of the KQ330 and KQ350 panel family: the panel's template,
// its clock-source and delay-mode texts and LED pictures, and those of its
// own pages.
#include "Tessiva/Panels/UnitFrontPanel.h"

#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Controls/LedBitmaps.h"
#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/PresetsPage.h"
#include "Tessiva/Panels/Pages/ReferenceInputPage.h"
#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"
#include "Tessiva/Panels/Pages/UnitPageTabs.h"
#include "Tessiva/Panels/Pages/UnitTimeCodePage.h"

#include <string>
#include <vector>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
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
    buddy.arrowKeys = true;
    Platform::DialogTemplate panel(templateId, "", panelWidth, panelHeight);
    FrontPanel::addTopRows(panel);
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
    FrontPanel::addFoot(panel);
    addPages(panel, pagesId);
    return panel;
}

void UnitFrontPanel::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& strings = aResources.strings();
    strings.addRun(firstClockSourceText, {"Digital Input", "Ref Input--SR Conv. Off", "Ref Input--SR Conv. On",
                                         "Internal 48 kHz", "Internal 44.1 kHz", "Internal 32 kHz"});
    strings.addRun(firstDelayModeText, {"Internal", "External"});
    LedBitmaps::addResources(aResources);
    FrontPanel::addResources(aResources);
    UnitPageTabs::addResources(aResources);
}

// --- the row of pages, and the Reference Input and Presets pages, which only
// this panel has ---

void UnitPageTabs::addResources(Platform::Resources& aResources)
{
    PreprocessingPage::addResources(aResources);
    BitstreamInfoPage::addResources(aResources);
    DualMonoPage::addResources(aResources);
    UnitInputOutputPage::addResources(aResources);
    ReferenceInputPage::addResources(aResources);
    PresetsPage::addResources(aResources);
    UnitTimeCodePage::addResources(aResources);
    addTabLabels(aResources.strings());
}

Platform::DialogTemplate ReferenceInputPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle led;
    led.image = true;
    led.tabStop = false;
    Platform::DialogTemplate page(templateId, "", 265, 162);
    // The subcode group is the wider: its caption is the longer.
    page.add(WindowKind::GroupBox, theLabelId, "Reference Input", 7, 4, 114, 80, group)
        .add(WindowKind::Static, theLabelId, "Lock Status", 14, 18, 44, 8)
        .add(WindowKind::ListBox, lockStatusId, "", 60, 16, 56, 12)
        .add(WindowKind::Static, theLabelId, "Sample Rate", 14, 38, 44, 8)
        .add(WindowKind::ListBox, sampleRateId, "", 60, 36, 56, 12)
        .add(WindowKind::Static, theLabelId, "Integrity", 14, 58, 44, 8)
        .add(WindowKind::ListBox, integrityId, "", 60, 56, 56, 12)
        .add(WindowKind::GroupBox, theLabelId, "Reference Input Subcode Status Bits", 126, 4, 132, 80, group)
        .add(WindowKind::Static, theLabelId, "Format", 134, 18, 56, 8)
        .add(WindowKind::ListBox, formatId, "", 194, 16, 58, 12)
        .add(WindowKind::Static, theLabelId, "Sample Rate", 134, 38, 56, 8)
        .add(WindowKind::ListBox, subcodeSampleRateId, "", 194, 36, 58, 12)
        .add(WindowKind::Static, theLabelId, "Audio Bit", 134, 58, 56, 8)
        .add(WindowKind::ListBox, audioBitId, "", 194, 56, 58, 12)
        .add(WindowKind::GroupBox, theLabelId, "Stream Number", 7, 92, 251, 62, group);
    // The most significant bit on the left: LED 1078 over "7", LED 1071 over "0".
    for (int bit = LedBitRow::ledCount - 1; bit >= 0; --bit)
    {
        const int x = 24 + (LedBitRow::ledCount - 1 - bit) * 28;
        page.addImage(WindowKind::Static, firstLedId + bit, ledOffBitmap, x, 110, 12, 12, led)
            .add(WindowKind::Static, theLabelId, std::to_string(bit), x + 3, 128, 8, 8);
    }
    return page;
}

void ReferenceInputPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    LedBitmaps::addResources(aResources);
    Platform::StringTable& strings = aResources.strings();
    strings.add(templateId, "Reference Input");
    strings.addRun(firstLockStatusText, {"Not locked", "Locked"});
    strings.addRun(firstSampleRateText, {"48 kHz", "44.1 kHz", "32 kHz", "Not Indicated"});
    strings.addRun(firstIntegrityText, {"High", "Low"});
    strings.addRun(firstFormatText, {"Consumer", "Professional"});
    strings.addRun(firstAudioBitText, {"Audio", "Non-audio"});
}

Platform::DialogTemplate PresetsPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle recall;
    recall.pushLike = true;
    recall.automatic = false;
    Platform::WindowStyle digits;
    digits.digitsOnly = true;
    Platform::WindowStyle buddy;
    buddy.autoBuddy = true;
    buddy.arrowKeys = true;
    Platform::WindowStyle hidden;
    hidden.visible = false;
    hidden.disabled = true;
    Platform::DialogTemplate page(templateId, "", 265, 162);
    page.add(WindowKind::GroupBox, theLabelId, "Recall", 7, 4, 251, 104, group);
    for (int preset = 0; preset < presetCount; ++preset)
    {
        const int column = preset % 4;
        const int row = preset / 4;
        page.add(WindowKind::CheckBox, firstRecallButtonId + preset, "123456789012", 12 + column * 61, 14 + row * 11,
                 58, 10, recall);
    }
    page.add(WindowKind::GroupBox, theLabelId, "Configure", 7, 112, 251, 44, group)
        .add(WindowKind::Static, theLabelId, "Number", 14, 124, 30, 8)
        .add(WindowKind::Edit, numberEditId, "", 46, 122, 22, 12, digits)
        .add(WindowKind::UpDown, numberSpinId, "", 68, 122, 10, 12, buddy)
        .add(WindowKind::Static, theLabelId, "Name", 86, 124, 24, 8);
    // One name edit per preset, all in one place; only the chosen one shows.
    for (int preset = 0; preset < presetCount; ++preset)
    {
        page.add(WindowKind::Edit, firstNameEditId + preset, "", 112, 122, 70, 12,
                 preset == 0 ? Platform::WindowStyle() : hidden);
    }
    page.add(WindowKind::Button, saveButtonId, "Save Current Configuration", 14, 140, 110, 12);
    return page;
}

void PresetsPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    aResources.strings().add(labelStringId, "Presets");
}

// --- the Input/Output and Time Code pages: the KQ310 pages' controls, from
// their templates, with the unit's own ---

namespace
{
// The common time-code page's controls move down to make room for the unit's row.
const int theTimeCodeShift = 54;
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
    upDown.arrowKeys = true;
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
    // With the routing dialog's texts, whose presets are the channel assignments.
    InputOutputPage::addResources(aResources);
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    table.addRun(firstInputSourceText, {"Analog", "Digital"});
    table.addRun(firstInputFormatText, {"PCM", "Pre-encoded", "Autodetect"});
    table.addRun(firstAuxDataText, {"Disabled", "1200 bps", "2400 bps", "9600 bps"});
    table.addRun(firstTestToneText, {"Disabled", "-20 dBFS", "-18 dBFS", "Silence"});
}

Platform::DialogTemplate UnitTimeCodePage::dialogTemplate()
{
    const Platform::DialogTemplate common = TimeCodePage::dialogTemplate();
    Platform::DialogTemplate page(templateId, common.caption(), common.width() + 10,
                                  common.height() + theTimeCodeShift, common.style());
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    // The unit's time-code input: its source, and the base's status list
    // labelled "Status" beside it.
    page.add(WindowKind::GroupBox, theLabelId, "Input", 7, 2, 150, 50, group)
        .add(WindowKind::Static, theLabelId, "Source", 14, 12, 30, 8)
        .add(WindowKind::ComboBox, sourceId, "", 14, 22, 136, 40)
        .add(WindowKind::Static, theLabelId, "Status", 14, 38, 30, 8)
        .add(WindowKind::ListBox, inputStatusId, "", 46, 37, 60, 10, list)
        .add(WindowKind::GroupBox, theLabelId, "Preset", 161, 2, 92, 50, group)
        .add(WindowKind::Static, theLabelId, "Pending", 166, 12, 34, 8)
        .add(WindowKind::ComboBox, pendingPresetId, "", 166, 22, 82, 120)
        .add(WindowKind::Static, theLabelId, "Current", 166, 38, 30, 8)
        .add(WindowKind::ListBox, currentPresetId, "", 198, 37, 50, 10, list);
    for (const Platform::DialogTemplate::Control& control : common.controls())
    {
        const Platform::Rectangle& at = control.bounds;
        if (control.id == inputStatusId || control.text == "Time Code Input Status")
        {
            continue; // in the Input group above
        }
        if (control.image != 0)
        {
            page.addImage(control.kind, control.id, control.image, at.left, at.top + theTimeCodeShift, at.width(),
                          at.height(), control.style);
        }
        else
        {
            page.add(control.kind, control.id, control.text, at.left, at.top + theTimeCodeShift, at.width(),
                     at.height(), control.style);
        }
    }
    return page;
}

void UnitTimeCodePage::addResources(Platform::Resources& aResources)
{
    TimeCodePage::addResources(aResources);
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& strings = aResources.strings();
    strings.addRun(firstSourceText, {"Longitudinal Time Code (LTC)", "Vertical Interval Time Code (VITC)"});
    std::vector<std::string> presets(1, "None");
    for (int preset = 1; preset <= presetCount; ++preset)
    {
        presets.push_back("Preset " + std::to_string(preset));
    }
    strings.addRun(firstPresetText, presets);
}
