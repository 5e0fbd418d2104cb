// The resources of what every model's panel shares: the item texts of the
// coding settings, encoder states and audio bandwidths, the Start and Stop
// pictures, and the shared part of the panel's template.
#include "Tessiva/Panels/FrontPanel.h"

#include "Models/DataRateDefinition.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;

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
    std::vector<std::string> levels = {"Reserved"};
    for (int level = 1; level <= 31; ++level)
    {
        levels.push_back("-" + std::to_string(level) + " dB");
    }
    strings.addRun(10500, levels);
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

void FrontPanel::addControls(Platform::DialogTemplate& aTemplate)
{
    Platform::WindowStyle label;
    label.tabStop = false;
    Platform::WindowStyle hidden;
    hidden.visible = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    Platform::WindowStyle hiddenList = list;
    hiddenList.visible = false;
    Platform::WindowStyle imageButton;
    imageButton.image = true;
    Platform::WindowStyle disabledCheck;
    disabledCheck.disabled = true;
    Platform::WindowStyle bar;
    bar.sunken = true;
    bar.ownerDrawn = true;
    bar.tabStop = false;
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
