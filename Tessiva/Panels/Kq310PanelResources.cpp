// The resources of the KQ310's panel family: the panel's template and its
// sample-rate texts, its row of pages, the Input/Output and Time Code pages
// (which the KQ330 and KQ350 pages build on) and the routing dialog.
#include "Tessiva/Panels/Kq310FrontPanel.h"

#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"
#include "Tessiva/Panels/Pages/InputOutputPage.h"
#include "Tessiva/Panels/Pages/Kq310PageTabs.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/TimeCodePage.h"

#include <string>
#include <vector>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
// The sample rates as the unit reports them: the panel's box, whose text
// before them is Auto, and the Input/Output page's lists.
const std::vector<std::string> theSampleRates = {"48 kHz", "44.1 kHz", "32 kHz", "Not Indicated"};
}

Platform::DialogTemplate Kq310FrontPanel::dialogTemplate()
{
    Platform::WindowStyle label;
    label.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    // Shown by the observer of Auto in the combo box's place.
    list.visible = false;
    Platform::DialogTemplate panel(templateId, "", panelWidth, panelHeight);
    FrontPanel::addTopRows(panel);
    // The list of the detected rate stands in the combo box's place.
    panel.add(WindowKind::Static, theLabelId, "Sample Rate", labelLeft, modelRowsTop + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, sampleRateId, "", fieldLeft, modelRowsTop, 70, 80)
        .add(WindowKind::ListBox, sampleRateStatusId, "", fieldLeft, modelRowsTop + 1, 70, 10, list)
        .add(WindowKind::CheckBox, autoId, "Auto", fieldLeft + 76, modelRowsTop + 1, 40, 10);
    FrontPanel::addFoot(panel);
    addPages(panel, pagesId);
    return panel;
}

void Kq310FrontPanel::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    aResources.strings().add(firstRateText - 1, "Auto");
    aResources.strings().addRun(firstRateText, theSampleRates);
    FrontPanel::addResources(aResources);
    Kq310PageTabs::addResources(aResources);
}

void Kq310PageTabs::addResources(Platform::Resources& aResources)
{
    PreprocessingPage::addResources(aResources);
    BitstreamInfoPage::addResources(aResources);
    DualMonoPage::addResources(aResources);
    InputOutputPage::addResources(aResources);
    TimeCodePage::addResources(aResources);
    addTabLabels(aResources.strings());
}

Platform::DialogTemplate InputOutputPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    Platform::DialogTemplate dialog(templateId, "", 250, 160);
    dialog.add(WindowKind::GroupBox, theLabelId, "Digital Input", 7, 4, 116, 56, group)
        .add(WindowKind::Static, theLabelId, "Lock Status", 14, 16, 50, 8)
        .add(WindowKind::ListBox, lockStatusId, "", 66, 15, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Sample Rate", 14, 30, 50, 8)
        .add(WindowKind::ListBox, sampleRateId, "", 66, 29, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Integrity", 14, 44, 50, 8)
        .add(WindowKind::ListBox, integrityId, "", 66, 43, 52, 10, list)
        .add(WindowKind::GroupBox, theLabelId, "Digital Input Subcode", 127, 4, 116, 70, group)
        .add(WindowKind::Static, theLabelId, "Format", 134, 16, 50, 8)
        .add(WindowKind::ListBox, subcodeFormatId, "", 186, 15, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Sample Rate", 134, 30, 50, 8)
        .add(WindowKind::ListBox, subcodeSampleRateId, "", 186, 29, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Emphasis", 134, 44, 50, 8)
        .add(WindowKind::ListBox, subcodeEmphasisId, "", 186, 43, 52, 10, list)
        .add(WindowKind::Static, theLabelId, "Audio Bit", 134, 58, 50, 8)
        .add(WindowKind::ListBox, subcodeAudioBitId, "", 186, 57, 52, 10, list)
        .add(WindowKind::GroupBox, theLabelId, "Digital Output", 7, 80, 236, 56, group)
        .add(WindowKind::Static, theLabelId, "Format", 14, 92, 50, 8)
        .add(WindowKind::ComboBox, outputFormatId, "", 66, 90, 120, 60)
        .add(WindowKind::Static, theLabelId, "Audio Bit", 14, 108, 50, 8)
        .add(WindowKind::ComboBox, outputAudioBitId, "", 66, 106, 60, 40)
        .add(WindowKind::CheckBox, timeCodePacketsId, "Include Time Code Packets", 14, 122, 120, 10)
        .add(WindowKind::Button, routingButtonId, "Input Channel Routing...", 7, 142, 100, 14);
    return dialog;
}

void InputOutputPage::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    table.add(labelStringId, "Input/Output");
    table.addRun(firstOutputFormatText, {"Consumer", "Professional: 32-bit", "Professional: 16-bit channel 1",
                                         "Professional: 16-bit channel 2"});
    table.addRun(firstAudioBitText, {"Audio", "Non-audio"});
    table.addRun(firstLockText, {"Not locked", "Locked"});
    table.addRun(firstRateText, theSampleRates);
    table.addRun(firstIntegrityText, {"High", "Low"});
    table.addRun(firstSubcodeFormatText, {"Consumer", "Professional"});
    table.addRun(firstEmphasisText, {"None", "50/15 uS"});
    InputChannelRoutingDialog::addResources(aResources);
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
    upDown.arrowKeys = true;
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
        if (field == sampleField + 1)
        {
            dialog.add(WindowKind::GroupBox, theLabelId, "Stop Time Code", 7, 106, 236, 50, group);
        }
        const int row = field <= sampleField ? 70 : 116;
        const int x = 14 + (field <= sampleField ? field : field - sampleField - 1) * 44;
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
    table.addRun(firstPresenceText, {"Not present", "Present"});
    table.addRun(firstFormatText,
                 {"24 fps", "25 fps", "29.97 fps drop frame", "29.97 fps", "30 fps", "Unknown"});
}

Platform::DialogTemplate InputChannelRoutingDialog::dialogTemplate()
{
    Platform::WindowStyle popup;
    popup.child = false;
    Platform::WindowStyle defaultButton;
    defaultButton.defaultButton = true;
    Platform::DialogTemplate dialog(templateId, "Input Channel Routing", 220, 130, popup);
    dialog.add(WindowKind::Static, theLabelId, "Channel Preset", 10, 12, 60, 8)
        .add(WindowKind::ComboBox, presetId, "", 72, 10, 136, 90);
    const char* const labels[channelCount] = {"Left", "Center", "Right", "Left Surround", "Right Surround", "LFE"};
    for (int channel = 0; channel < channelCount; ++channel)
    {
        const int x = channel % 2 == 0 ? 10 : 112;
        const int y = 32 + (channel / 2) * 26;
        dialog.add(WindowKind::Static, theLabelId, labels[channel], x, y, 60, 8)
            .add(WindowKind::ComboBox, channelIds[channel], "", x, y + 10, 96, 80);
    }
    dialog.add(WindowKind::Button, Platform::DialogResult::ok, "OK", 85, 110, 50, 14, defaultButton);
    return dialog;
}

void InputChannelRoutingDialog::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& table = aResources.strings();
    // The pairs of spaces are the unit's own.
    table.addRun(firstPresetText,
                 {"Mode 1: L/R,  Ls/Rs, C/LFE", "Mode 2: L/C,  R/Ls,  Rs/LFE", "Mode 3: L/Ls, C/Rs,  R/LFE",
                  "Mode 4: L/R,  C/LFE, Ls/Rs", "Mode 5: L/C,  Rs/R,  Ls/LFE", "Mode 6: C/L,  R/Ls,  Rs/LFE"});
    table.add(customPresetText, "Custom");
    table.addRun(firstInputText, {"Input 1", "Input 2", "Input 3", "Input 4", "Input 5", "Input 6"});
}
