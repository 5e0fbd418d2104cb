#include "Tessiva/Panels/FrontPanel.h"

#include "Models/ParameterIds.h"
#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Models/DataRateDefinition.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/ButtonCoordinator.h"
#include "Tessiva/Controls/EncoderStateSelector.h"
#include "Tessiva/Controls/MeterObserver.h"
#include "Tessiva/Controls/Win32ButtonControlOnlyObserver.h"
#include "Tessiva/Controls/Win32CheckBoxObserver.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Tessiva/Controls/Win32StringListBoxObserver.h"
#include "Tessiva/Controls/Win32TwoBitmapButtonObserver.h"
#include "Tessiva/Controls/Win32WindowSelectObserver.h"
#include "Tessiva/Panels/BitstreamModeSelector.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/VornaException.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using Platform::Notification;
using Platform::WindowKind;

namespace
{
const int theLabelId = -1;

const ParameterId theSampleRateStatus('C', 0);
const ParameterId theBandwidthStatus('C', 2);
const ParameterId theEncoderState('F', 0);

// The meters in the order of their members: L, R, C, Ls, Rs, LFE.
struct MeterRow
{
    int control;
    int statusIndex;
};
const MeterRow theMeterRows[6] = {{FrontPanel::leftMeterId, 4},          {FrontPanel::rightMeterId, 6},
                                  {FrontPanel::centerMeterId, 5},        {FrontPanel::leftSurroundMeterId, 7},
                                  {FrontPanel::rightSurroundMeterId, 8}, {FrontPanel::lfeMeterId, 9}};

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

FrontPanel::FrontPanel(Platform::Window* aParent, const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId)
    : DevicePanel(aParent, aKey, aDocument, aDialogId)
{
    myMeterSettings.horizontal = true;
    myMeterSettings.offset = 0.0;
    myMeterSettings.referenceLevel = -60.0;
    myMeterSettings.top = 0.0;
    myMeterSettings.bottom = -60.0;
    myMeterSettings.riseRate = 0.0;
    myMeterSettings.fallRate = 40.0;
    myMeterSettings.scaleFactor = 1.0 / 32768.0;
}

FrontPanel::~FrontPanel()
{
    myLfeObserver.reset();
    myAudioCodingModeObserver.reset();
    myDataRateObserver.reset();
    myBitstreamModeObserver.reset();
    myAlternativeBitstreamModeObserver.reset();
    myBitstreamModeSelector.reset();
    myDialogNormalizationObserver.reset();
    for (std::unique_ptr<Win32StringListBoxObserver>& each : myBandwidthObservers)
    {
        each.reset();
    }
    myBandwidthSelector.reset();
    myStartObserver.reset();
    myStopObserver.reset();
    myTimeCodeObserver.reset();
    for (std::unique_ptr<Win32StringListBoxObserver>& each : myStateObservers)
    {
        each.reset();
    }
    myEncoderStateSelector.reset();
    myStartImageObserver.reset();
    myStopImageObserver.reset();
    myStartCoordinator.reset();
    myStopCoordinator.reset();
    for (std::unique_ptr<MeterObserver>& each : myMeters)
    {
        each.reset();
    }
}

const Platform::Resources& FrontPanel::resources()
{
    VORNA_ASSERT(Platform::Application::exists());
    return Platform::Application::current().resources();
}

const Platform::StringTable& FrontPanel::strings()
{
    return resources().strings();
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

const MeterObserver* FrontPanel::meter(int anIndex) const
{
    if (anIndex < 0 || anIndex >= static_cast<int>(myMeters.size()))
    {
        return nullptr;
    }
    return myMeters[static_cast<std::size_t>(anIndex)].get();
}

void FrontPanel::doDataExchange()
{
    // Every control must be in the template: binding fails loudly otherwise.
    const int bound[] = {lfeEnableId,        timeCodeCtrlId,      audioCodingModeId,    dataRateId,
                         bitstreamModeId,    alternativeBitstreamModeId, dialogNormalizationId,
                         bandwidthList32Id,  bandwidthList44Id,   bandwidthList48Id,    stoppedStateListId,
                         startedStateListId, startButtonId,       stopButtonId,         leftMeterId,
                         rightMeterId,       centerMeterId,       leftSurroundMeterId,  rightSurroundMeterId,
                         lfeMeterId};
    for (int id : bound)
    {
        control(id);
    }
    myBandwidthLists[0].emplace(&control(bandwidthList32Id));
    myBandwidthLists[1].emplace(&control(bandwidthList44Id));
    myBandwidthLists[2].emplace(&control(bandwidthList48Id));
    myStateLists[0].emplace(&control(stoppedStateListId));
    myStateLists[1].emplace(&control(startedStateListId));

    const std::pair<int, std::unique_ptr<Win32ComboBoxObserver>*> combos[] = {
        {audioCodingModeId, &myAudioCodingModeObserver},
        {dataRateId, &myDataRateObserver},
        {bitstreamModeId, &myBitstreamModeObserver},
        {alternativeBitstreamModeId, &myAlternativeBitstreamModeObserver},
        {dialogNormalizationId, &myDialogNormalizationObserver}};
    for (const auto& combo : combos)
    {
        std::unique_ptr<Win32ComboBoxObserver>* observer = combo.second;
        handle(combo.first, Notification::SelectionChanged, [observer]() {
            if (*observer)
            {
                (*observer)->selectionChange();
            }
        });
    }
    handle(lfeEnableId, Notification::Clicked, [this]() {
        if (myLfeObserver)
        {
            myLfeObserver->click();
        }
    });
    handle(timeCodeCtrlId, Notification::Clicked, [this]() {
        if (Win32CheckBoxObserver* observer = dynamic_cast<Win32CheckBoxObserver*>(myTimeCodeObserver.get()))
        {
            observer->click();
        }
    });
    handle(startButtonId, Notification::Clicked, [this]() {
        if (myStartObserver)
        {
            myStartObserver->click();
        }
    });
    handle(stopButtonId, Notification::Clicked, [this]() {
        if (myStopObserver)
        {
            myStopObserver->click();
        }
    });
}

void FrontPanel::refreshMeters()
{
    for (std::unique_ptr<MeterObserver>& each : myMeters)
    {
        if (each)
        {
            each->repaint();
        }
    }
}

void FrontPanel::createObservers()
{
    guarded([this]() {
        FrontPanel::createCodingObservers();
        FrontPanel::createLfeObserver();
        FrontPanel::createStatusListObservers();
        FrontPanel::createStartStopObservers();
        FrontPanel::createMeterObservers();
    });
}

void FrontPanel::createCodingObservers()
{
    CTessivaDoc* doc = document();
    myAudioCodingModeObserver.reset(new Win32ComboBoxObserver(&control(audioCodingModeId), 10400, 10407, strings()));
    doc->attachControlObserver(key(), ParameterIds::audioCodingMode, myAudioCodingModeObserver.get());
    myDataRateObserver.reset(new Win32ComboBoxObserver(&control(dataRateId), 10200, 10218, strings()));
    doc->attachControlObserver(key(), ParameterIds::dataRate, myDataRateObserver.get());
    myBitstreamModeObserver.reset(new Win32ComboBoxObserver(&control(bitstreamModeId), 10300, 10307, strings()));
    doc->attachControlObserver(key(), ParameterIds::bitStreamMode, myBitstreamModeObserver.get());
    myAlternativeBitstreamModeObserver.reset(
        new Win32ComboBoxObserver(&control(alternativeBitstreamModeId), 10310, 10317, strings()));
    doc->attachControlObserver(key(), ParameterIds::bitStreamMode, myAlternativeBitstreamModeObserver.get());
    myBitstreamModeSelector.reset(
        new BitstreamModeSelector(&control(bitstreamModeId), &control(alternativeBitstreamModeId)));
    doc->attachControlObserver(key(), ParameterIds::audioCodingMode, myBitstreamModeSelector.get());
    myDialogNormalizationObserver.reset(
        new Win32ComboBoxObserver(&control(dialogNormalizationId), 10500, 10531, strings()));
    doc->attachControlObserver(key(), ParameterIds::dialogNormalization, myDialogNormalizationObserver.get());
}

void FrontPanel::createLfeObserver()
{
    myLfeObserver.reset(new Win32CheckBoxObserver(&control(lfeEnableId), 1));
    document()->attachControlObserver(key(), ParameterIds::lfeChannel, myLfeObserver.get());
    Platform::Window& timeCode = control(timeCodeCtrlId);
    timeCode.enable(false);
    timeCode.setChecked(true);
}

void FrontPanel::createStatusListObservers()
{
    CTessivaDoc* doc = document();
    myStateObservers[0].reset(new Win32StringListBoxObserver(&control(stoppedStateListId), 20100, 20103, strings()));
    doc->attachStatusObserver(key(), theEncoderState, myStateObservers[0].get());
    myStateObservers[1].reset(new Win32StringListBoxObserver(&control(startedStateListId), 20104, 20107, strings()));
    doc->attachStatusObserver(key(), theEncoderState, myStateObservers[1].get());
    myEncoderStateSelector.reset(new EncoderStateSelector(&control(stoppedStateListId), &control(startedStateListId)));
    doc->attachControlObserver(key(), ParameterIds::requestedEncoderState, myEncoderStateSelector.get());
    const std::pair<int, unsigned> lists[3] = {
        {bandwidthList32Id, 14040}, {bandwidthList44Id, 14020}, {bandwidthList48Id, 14000}};
    for (int index = 0; index < 3; ++index)
    {
        myBandwidthObservers[index].reset(new Win32StringListBoxObserver(
            &control(lists[index].first), lists[index].second, lists[index].second + 15, strings()));
        doc->attachStatusObserver(key(), theBandwidthStatus, myBandwidthObservers[index].get());
    }
    // It keeps them in reverse: sample rate status 0 (48 kHz) shows the last.
    myBandwidthSelector.reset(new Win32WindowSelectObserver(&control(bandwidthList32Id), &control(bandwidthList44Id),
                                                            &control(bandwidthList48Id)));
    doc->attachStatusObserver(key(), theSampleRateStatus, myBandwidthSelector.get());
}

void FrontPanel::createStartStopObservers()
{
    const Platform::Resources& program = resources();
    myStopImage = LoadedBitmap::load(program, stopRunningBitmap);
    if (!myStopImage)
    {
        throw VornaException("error loading the stop bitmap");
    }
    control(stopButtonId).setImage(myStopImage->id());
    myStartImage = LoadedBitmap::load(program, startStoppedBitmap);
    if (!myStartImage)
    {
        throw VornaException("error loading the start bitmap");
    }
    control(startButtonId).setImage(myStartImage->id());

    myStartCoordinator.reset(new ButtonCoordinator(&control(startButtonId)));
    myStopCoordinator.reset(new ButtonCoordinator(&control(stopButtonId)));
    CTessivaDoc* doc = document();
    myStartObserver.reset(new Win32ButtonControlOnlyObserver(myStartCoordinator.get(), 1));
    doc->attachControlObserver(key(), ParameterIds::requestedEncoderState, myStartObserver.get());
    myStopObserver.reset(new Win32ButtonControlOnlyObserver(myStopCoordinator.get(), 0));
    doc->attachControlObserver(key(), ParameterIds::requestedEncoderState, myStopObserver.get());

    myStopRunningImage = LoadedBitmap::load(program, stopRunningBitmap);
    myStopStoppedImage = LoadedBitmap::load(program, stopStoppedBitmap);
    myStartStoppedImage = LoadedBitmap::load(program, startStoppedBitmap);
    myStartRunningImage = LoadedBitmap::load(program, startRunningBitmap);
    // An image that failed to load is nullptr, which the image observer skips.
    const auto image = [](const std::optional<LoadedBitmap>& aBitmap) { return aBitmap ? &*aBitmap : nullptr; };
    myStopImageObserver.reset(new Win32TwoBitmapButtonObserver(myStopCoordinator.get(), &myRunningTest,
                                                               image(myStopRunningImage), image(myStopStoppedImage)));
    doc->attachStatusObserver(key(), theEncoderState, myStopImageObserver.get());
    myStartImageObserver.reset(new Win32TwoBitmapButtonObserver(
        myStartCoordinator.get(), &myRunningTest, image(myStartRunningImage), image(myStartStoppedImage)));
    doc->attachStatusObserver(key(), theEncoderState, myStartImageObserver.get());
}

void FrontPanel::createMeterObservers()
{
    for (std::size_t index = 0; index < myMeters.size(); ++index)
    {
        myMeters[index].reset(new MeterObserver(&control(theMeterRows[index].control), &myLevelScaler, &myMeterSettings));
        document()->attachStatusObserver(key(), ParameterId('C', theMeterRows[index].statusIndex),
                                         myMeters[index].get());
    }
}
