// The resources of what every model's panel shares: the item texts of the
// coding settings, encoder states and audio bandwidths, the Start and Stop
// pictures, the shared part of the panel's template, and the templates and
// texts of the pages every model has (Preprocessing, Bitstream Info, Dual
// Mono).
#include "Tessiva/Panels/FrontPanel.h"

#include "Models/DataRateDefinition.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;

// "Reserved", then -1 to -31 dB.
std::vector<std::string> dialogNormalizationTexts()
{
    std::vector<std::string> levels = {"Reserved"};
    for (int level = 1; level <= 31; ++level)
    {
        levels.push_back("-" + std::to_string(level) + " dB");
    }
    return levels;
}

// 80 to 111 dB SPL.
std::vector<std::string> mixLevelTexts()
{
    std::vector<std::string> levels;
    for (int level = 80; level <= 111; ++level)
    {
        levels.push_back(std::to_string(level) + " dB SPL");
    }
    return levels;
}

const std::vector<std::string> theRoomTypeTexts = {"Not indicated", "Large room, X curve monitor",
                                                   "Small room, flat monitor"};

// The audio bandwidth of each code 0..15 at a sample rate: the edge of
// frequency bin 72.5 + 12 * code of 512 bins across the sample rate.
std::vector<std::string> bandwidthTexts(double aSampleRate)
{
    std::vector<std::string> texts;
    for (int code = 0; code < 16; ++code)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f kHz", (72.5 + 12.0 * code) * aSampleRate / 512.0 / 1000.0);
        texts.push_back(text);
    }
    return texts;
}

Platform::Bitmap square(bool aBright)
{
    Platform::Bitmap bitmap(16, 16);
    bitmap.fill(Platform::Rectangle(3, 3, 13, 13), aBright ? Platform::Colour(0, 255, 0) : Platform::Colour(0, 96, 0));
    return bitmap;
}

Platform::Bitmap triangle(bool aBright)
{
    Platform::Bitmap bitmap(16, 16);
    const Platform::Colour colour = aBright ? Platform::Colour(0, 255, 0) : Platform::Colour(0, 96, 0);
    for (int x = 3; x < 13; ++x)
    {
        const int half = (13 - x) / 2;
        for (int y = 8 - half; y <= 8 + half; ++y)
        {
            bitmap.setPixel(x, y, colour);
        }
    }
    return bitmap;
}
}

void FrontPanel::addResources(Platform::Resources& aResources)
{
    Platform::StringTable& strings = aResources.strings();
    strings.addRun(10400, {"1+1: L,R", "1/0: C", "2/0: L,R", "3/0: L,C,R", "2/1: L,R,S", "3/1: L,C,R,S",
                           "2/2: L,R,Ls,Rs", "3/2: L,C,R,Ls,Rs"});
    strings.addRun(10200, DataRateDefinition::texts());
    std::vector<std::string> modes = {"Main audio service: Complete main",
                                      "Main audio service: Music and effects",
                                      "Associated service: Visually impaired",
                                      "Associated service: Hearing impaired",
                                      "Associated service: Dialogue",
                                      "Associated service: Commentary",
                                      "Associated service: Emergency",
                                      "Associated service: Voice over"};
    strings.addRun(10300, modes);
    modes.back() = "Main audio service: Karaoke";
    strings.addRun(10310, modes);
    strings.addRun(10500, dialogNormalizationTexts());
    strings.addRun(20100, {"Stopped", "Encoding", "Clearing...", "Pre-Rolling..."});
    strings.addRun(20104, {"Not Encoding", "Encoding", "Clearing...", "Pre-Rolling..."});
    strings.addRun(14000, bandwidthTexts(48000.0));
    strings.addRun(14020, bandwidthTexts(44100.0));
    strings.addRun(14040, bandwidthTexts(32000.0));
    aResources.addBitmap(stopRunningBitmap, square(false));
    aResources.addBitmap(stopStoppedBitmap, square(true));
    aResources.addBitmap(startStoppedBitmap, triangle(false));
    aResources.addBitmap(startRunningBitmap, triangle(true));
}

void FrontPanel::addTopRows(Platform::DialogTemplate& aTemplate)
{
    Platform::WindowStyle label;
    label.tabStop = false;
    Platform::WindowStyle hidden;
    hidden.visible = false;
    Platform::WindowStyle disabledCheck;
    disabledCheck.disabled = true;
    // Labels stand two units lower than their fields, on the text's line.
    const auto row = [](int anIndex) { return 4 + anIndex * rowHeight; };
    const int wideField = 140;
    const int narrowField = 70;
    aTemplate.add(WindowKind::Static, theLabelId, "Audio Coding Mode", labelLeft, row(0) + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, audioCodingModeId, "", fieldLeft, row(0), wideField, 100)
        .add(WindowKind::Static, theLabelId, "Data Rate", labelLeft, row(1) + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, dataRateId, "", fieldLeft, row(1), narrowField, 120)
        .add(WindowKind::Static, theLabelId, "Bitstream Mode", labelLeft, row(2) + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, bitstreamModeId, "", fieldLeft, row(2), wideField, 100)
        .add(WindowKind::ComboBox, alternativeBitstreamModeId, "", fieldLeft, row(2), wideField, 100, hidden)
        .add(WindowKind::Static, theLabelId, "Dialog Normalization", labelLeft, row(3) + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, dialogNormalizationId, "", fieldLeft, row(3), narrowField, 120)
        .add(WindowKind::CheckBox, lfeEnableId, "LFE Enable", labelLeft, row(4) + 1, 70, 10)
        .add(WindowKind::CheckBox, timeCodeCtrlId, "Time Code Ctrl", fieldLeft, row(4) + 1, 70, 10, disabledCheck);
}

void FrontPanel::addFoot(Platform::DialogTemplate& aTemplate)
{
    Platform::WindowStyle label;
    label.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    Platform::WindowStyle hiddenList = list;
    hiddenList.visible = false;
    Platform::WindowStyle imageButton;
    imageButton.image = true;
    Platform::WindowStyle bar;
    bar.sunken = true;
    bar.ownerDrawn = true;
    bar.tabStop = false;
    const int encoderTop = footTop;
    aTemplate.add(WindowKind::GroupBox, theLabelId, "Encoder", labelLeft, encoderTop, 222, 32, label)
        .addImage(WindowKind::Button, startButtonId, startStoppedBitmap, 10, encoderTop + 10, 18, 18, imageButton)
        .addImage(WindowKind::Button, stopButtonId, stopRunningBitmap, 32, encoderTop + 10, 18, 18, imageButton)
        .add(WindowKind::ListBox, stoppedStateListId, "", 58, encoderTop + 14, 116, 10, list)
        .add(WindowKind::ListBox, startedStateListId, "", 58, encoderTop + 14, 116, 10, hiddenList)
        .add(WindowKind::Static, theLabelId, "Audio Bandwidth", labelLeft, encoderTop + 38, labelWidth, 8, label)
        .add(WindowKind::ListBox, bandwidthList32Id, "", fieldLeft, encoderTop + 37, 60, 10, hiddenList)
        .add(WindowKind::ListBox, bandwidthList44Id, "", fieldLeft, encoderTop + 37, 60, 10, hiddenList)
        .add(WindowKind::ListBox, bandwidthList48Id, "", fieldLeft, encoderTop + 37, 60, 10, list);
    // The bars in their order on the panel, each with its label on the left
    // and the scale under it.
    const std::pair<const char*, int> bars[6] = {{"L", leftMeterId},          {"C", centerMeterId},
                                                 {"R", rightMeterId},         {"Ls", leftSurroundMeterId},
                                                 {"Rs", rightSurroundMeterId}, {"LFE", lfeMeterId}};
    const int barLeft = 24;
    const int barWidth = 192;
    const int markWidth = 14;
    int y = encoderTop + 50;
    for (const std::pair<const char*, int>& each : bars)
    {
        aTemplate.add(WindowKind::Static, theLabelId, each.first, labelLeft, y, 18, 8, label)
            .add(WindowKind::Static, each.second, "", barLeft, y, barWidth, 8, bar);
        const char* const scale[4] = {"-60", "-40", "-20", "0"};
        for (int mark = 0; mark < 4; ++mark)
        {
            // Each mark under its place on the bar; the last ends at the bar's end.
            const int left = mark < 3 ? barLeft + mark * barWidth / 3 : barLeft + barWidth - 6;
            aTemplate.add(WindowKind::Static, theLabelId, scale[mark], left, y + 9, mark < 3 ? markWidth : 6, 8, label);
        }
        y += 18;
    }
}

void FrontPanel::addPages(Platform::DialogTemplate& aTemplate, int anId)
{
    aTemplate.add(WindowKind::TabControl, anId, "", pagesLeft, 4, panelWidth - pagesLeft - 2, panelHeight - 6);
}

// --- the pages every model has: Preprocessing, Bitstream Info, Dual Mono ---

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
    table.addRun(firstCompressionText,
                 {"None", "Film: Standard", "Film: Light", "Music: Standard", "Music: Light", "Speech"});
    // "Auto" stands in front of "Off" and "On" while automatic is in range.
    table.addRun(firstDeemphasisText - 1, {"Auto", "Off", "On"});
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
        .add(WindowKind::CheckBox, copyrightBitId, "Copyright Bit", 150, 20, 80, 10)
        .add(WindowKind::CheckBox, originalBitstreamId, "Original Bitstream", 150, 32, 86, 10)
        .add(WindowKind::Static, theLabelId, "Surround Mix Level", 14, 46, 80, 8)
        .add(WindowKind::ComboBox, surroundMixLevelId, "", 14, 56, 80, 60)
        .add(WindowKind::Static, theLabelId, "Vorna Surround Mode", 100, 46, 130, 8)
        .add(WindowKind::ComboBox, surroundModeId, "", 100, 56, 136, 60)
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
    table.addRun(firstMixLevelText, mixLevelTexts());
    table.addRun(firstCenterMixText, {"-3 dB", "-4.5 dB", "-6 dB"});
    table.addRun(firstSurroundMixText, {"-3 dB", "-6 dB", "None"});
    table.addRun(firstSurroundModeText, {"Not indicated", "NOT Vorna Surround encoded", "Vorna Surround encoded"});
    table.addRun(firstRoomTypeText, theRoomTypeTexts);
}

Platform::DialogTemplate DualMonoPage::dialogTemplate()
{
    Platform::WindowStyle group;
    group.tabStop = false;
    Platform::WindowStyle bar;
    bar.ownerDrawn = true;
    bar.sunken = true;
    bar.tabStop = false;
    Platform::DialogTemplate page(templateId, "", 250, 160);
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
    strings.add(templateId, "Dual Mono");
    strings.addRun(firstDialogNormalizationText, dialogNormalizationTexts());
    strings.addRun(firstMixLevelText, mixLevelTexts());
    strings.addRun(firstRoomTypeText, theRoomTypeTexts);
}
