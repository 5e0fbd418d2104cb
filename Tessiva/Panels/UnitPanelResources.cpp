// The resources of the KQ330 and KQ350 panel family: the panel's template,
// its clock-source and delay-mode texts and LED pictures, and those of its
// own pages.
#include "Tessiva/Panels/UnitFrontPanel.h"

#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Controls/LedBitmaps.h"
#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"
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
    strings.addRun(firstClockSourceText, {"Digital Input", "Ref Input--SR Conv. Off", "Ref Input--SR Conv. On",
                                         "Internal 48 kHz", "Internal 44.1 kHz", "Internal 32 kHz"});
    strings.addRun(firstDelayModeText, {"Internal", "External"});
    LedBitmaps::addResources(aResources);
    FrontPanel::addResources(aResources);
    UnitPageTabs::addResources(aResources);
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
    Platform::DialogTemplate page(dialogId, common.caption(), common.width() + 10,
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
