#include "Tessiva/Panels/FrontPanel.h"

#include "Models/ParameterIds.h"
#include "Platform/Assertion.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/EncoderStateSelector.h"
#include "Tessiva/Panels/BitstreamModeSelector.h"
#include "Toolkit/Controls/ButtonCoordinator.h"
#include "Toolkit/Controls/MeterObserver.h"
#include "Toolkit/Controls/Win32ButtonControlOnlyObserver.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Controls/Win32TwoBitmapButtonObserver.h"
#include "Toolkit/Controls/Win32WindowSelectObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

using Platform::Notification;

namespace
{
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
}

FrontPanel::FrontPanel(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId)
    : DevicePanel(aKey, aDocument, aDialogId)
{
}

FrontPanel::~FrontPanel() = default;

MeterSettings FrontPanel::levelBars()
{
    MeterSettings settings = MeterSettings::horizontalBar(0.0, -60.0, 0.0, -60.0, 1.0 / 32768.0);
    settings.fallRate = 40.0;
    return settings;
}

const MeterObserver* FrontPanel::meter(int anIndex) const
{
    if (anIndex < 0 || anIndex >= static_cast<int>(myMeters.size()))
    {
        return nullptr;
    }
    return myMeters[static_cast<std::size_t>(anIndex)].get();
}

bool FrontPanel::onInitDialog()
{
    const bool result = DevicePanel::onInitDialog();
    createObservers();
    return result;
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
        createCodingObservers();
        createLfeObserver();
        createStatusListObservers();
        createStartStopObservers();
        createMeterObservers();
    });
}

void FrontPanel::createCodingObservers()
{
    bindControl(myAudioCodingModeObserver, ParameterIds::audioCodingMode, &control(audioCodingModeId), 10400, 10407,
                strings());
    bindControl(myDataRateObserver, ParameterIds::dataRate, &control(dataRateId), 10200, 10218, strings());
    bindControl(myBitstreamModeObserver, ParameterIds::bitStreamMode, &control(bitstreamModeId), 10300, 10307,
                strings());
    bindControl(myAlternativeBitstreamModeObserver, ParameterIds::bitStreamMode, &control(alternativeBitstreamModeId),
                10310, 10317, strings());
    bindControl(myBitstreamModeSelector, ParameterIds::audioCodingMode, &control(bitstreamModeId),
                &control(alternativeBitstreamModeId));
    bindControl(myDialogNormalizationObserver, ParameterIds::dialogNormalization, &control(dialogNormalizationId), 10500,
                10531, strings());
}

void FrontPanel::createLfeObserver()
{
    bindControl(myLfeObserver, ParameterIds::lfeChannel, &control(lfeEnableId), 1);
    Platform::Window& timeCode = control(timeCodeCtrlId);
    timeCode.enable(false);
    timeCode.setChecked(true);
}

void FrontPanel::createStatusListObservers()
{
    bindStatus(myStateObservers[0], theEncoderState, &control(stoppedStateListId), 20100, 20103, strings());
    bindStatus(myStateObservers[1], theEncoderState, &control(startedStateListId), 20104, 20107, strings());
    bindControl(myEncoderStateSelector, ParameterIds::requestedEncoderState, &control(stoppedStateListId),
                &control(startedStateListId));
    const std::pair<int, unsigned> lists[3] = {
        {bandwidthList32Id, 14040}, {bandwidthList44Id, 14020}, {bandwidthList48Id, 14000}};
    for (int index = 0; index < 3; ++index)
    {
        bindStatus(myBandwidthObservers[index], theBandwidthStatus, &control(lists[index].first), lists[index].second,
                   lists[index].second + 15, strings());
    }
    // It keeps them in reverse: sample rate status 0 (48 kHz) shows the last.
    bindStatus(myBandwidthSelector, theSampleRateStatus, &control(bandwidthList32Id), &control(bandwidthList44Id),
               &control(bandwidthList48Id));
}

void FrontPanel::createStartStopObservers()
{
    const Platform::Resources& program = resources();
    myStopImage = LoadedBitmap::require(program, stopRunningBitmap, "error loading the stop bitmap");
    control(stopButtonId).setImage(myStopImage->id());
    myStartImage = LoadedBitmap::require(program, startStoppedBitmap, "error loading the start bitmap");
    control(startButtonId).setImage(myStartImage->id());

    myStartCoordinator = std::make_unique<ButtonCoordinator>(&control(startButtonId));
    myStopCoordinator = std::make_unique<ButtonCoordinator>(&control(stopButtonId));
    bindControl(myStartObserver, ParameterIds::requestedEncoderState, myStartCoordinator.get(), 1);
    bindControl(myStopObserver, ParameterIds::requestedEncoderState, myStopCoordinator.get(), 0);

    myStopRunningImage = LoadedBitmap::load(program, stopRunningBitmap);
    myStopStoppedImage = LoadedBitmap::load(program, stopStoppedBitmap);
    myStartStoppedImage = LoadedBitmap::load(program, startStoppedBitmap);
    myStartRunningImage = LoadedBitmap::load(program, startRunningBitmap);
    // An image that failed to load is nullptr, which the image observer skips.
    const auto image = [](const std::optional<LoadedBitmap>& aBitmap) { return aBitmap ? &*aBitmap : nullptr; };
    bindStatus(myStopImageObserver, theEncoderState, myStopCoordinator.get(), &myRunningTest,
               image(myStopRunningImage), image(myStopStoppedImage));
    bindStatus(myStartImageObserver, theEncoderState, myStartCoordinator.get(), &myRunningTest,
               image(myStartRunningImage), image(myStartStoppedImage));
}

void FrontPanel::createMeterObservers()
{
    for (std::size_t index = 0; index < myMeters.size(); ++index)
    {
        bindStatus(myMeters[index], ParameterId('C', theMeterRows[index].statusIndex),
                   &control(theMeterRows[index].control), &myLevelScaler, &myMeterSettings);
    }
}
