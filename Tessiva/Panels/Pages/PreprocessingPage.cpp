#include "Tessiva/Panels/Pages/PreprocessingPage.h"

#include "Platform/Window/Resources.h"
#include "Toolkit/Controls/MeterObserver.h"
#include "Toolkit/Controls/MeterSettings.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32ShowHideObserver.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <cstdint>

namespace
{
const std::int16_t theAutomatic = -1;
const ParameterId theCompression('B', 26);
const ParameterId theDeemphasis('B', 33);
const ParameterId theDetectedDeemphasis('C', 1);

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

}

PreprocessingPage::PreprocessingPage(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument, templateId)
{
}

PreprocessingPage::~PreprocessingPage() = default;

void PreprocessingPage::doDataExchange()
{
    myDetectedDeemphasis.emplace(&control(detectedDeemphasisId));
}

void PreprocessingPage::bindControls()
{
    for (int n = 0; n < theCheckBoxCount; ++n)
    {
        bindControl(myCheckBoxObservers[n], ParameterId('B', theCheckBoxes[n].index), &control(theCheckBoxes[n].id),
                    theCheckBoxes[n].checkedValue);
    }

    bindControl(myCompressionObserver, theCompression, &control(compressionId), firstCompressionText,
                firstCompressionText + 5, strings());
    Platform::Window* deemphasis = &control(deemphasisId);
    bindControl(myDeemphasisObserver, theDeemphasis, deemphasis, firstDeemphasisText, firstDeemphasisText + 1,
                strings());
    bindStatus(myDetectedDeemphasisObserver, theDetectedDeemphasis, myDetectedDeemphasis->window(),
               firstDeemphasisText, firstDeemphasisText + 1, strings());
    bindControl(myDeemphasisShowHideObserver, theDeemphasis, deemphasis, myDetectedDeemphasis->window(), theAutomatic);

    for (int n = 0; n < theMeterCount; ++n)
    {
        bindStatus(myMeterObservers[n], ParameterId('C', theMeters[n].index), &control(theMeters[n].id), &myScaler,
                   &theMeters[n].settings);
    }
}
