#include "Models/Unit/UnitDataRateRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>

namespace
{
// The lowest coding mode of a cell: 1/0 only, no dual mono, or dual mono allowed.
enum Lowest
{
    centerOnly,
    noDualMono,
    dualMono
};

// One cell of the limits by data rate and auxiliary data: the lowest mode and
// the highest, which a two-channel unit caps at 2/0 when it is a channel count.
struct Limits
{
    Lowest lowest;
    int highest;
    bool channelCount;
};

const Limits centerLimits = {centerOnly, 1, false};
const Limits widestLimits = {dualMono, 7, true};

// Rows: data rate index 6 to 14; columns: auxiliary data 0 or 1, 2, 3.
const Limits theMiddleRows[9][3] = {
    {{noDualMono, 2, false}, {noDualMono, 1, false}, {noDualMono, 1, false}}, // 96 kbps
    {{dualMono, 2, false}, {noDualMono, 1, false}, {noDualMono, 1, false}},   // 112 kbps
    {{dualMono, 4, true}, {dualMono, 2, false}, {noDualMono, 1, false}},      // 128 kbps
    {{dualMono, 4, true}, {dualMono, 2, false}, {noDualMono, 1, false}},      // 160 kbps
    {{dualMono, 6, true}, {dualMono, 4, true}, {dualMono, 2, false}},         // 192 kbps
    {{dualMono, 7, true}, {dualMono, 4, true}, {dualMono, 2, false}},         // 224 kbps
    {{dualMono, 7, true}, {dualMono, 6, true}, {dualMono, 4, true}},          // 256 kbps
    {{dualMono, 7, true}, {dualMono, 7, true}, {dualMono, 4, true}},          // 320 kbps
    {{dualMono, 7, true}, {dualMono, 7, true}, {dualMono, 6, true}},          // 384 kbps
};

const int lowestMiddleRate = 6;
const int highestMiddleRate = 14;
const int highestRate = 18;
const int karaoke = 7;
const int twoChannelCeiling = 2;
}

UnitDataRateRule::UnitDataRateRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                   ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void UnitDataRateRule::onSubjectUpdated()
{
    ControlParameter& codingMode = control(ParameterIds::audioCodingMode);
    const int rate = valueOf(control(ParameterIds::dataRate));
    const int auxiliaryData = valueOf(control(ParameterIds::auxiliaryDataInput));
    const bool lfe = valueOf(control(ParameterIds::lfeChannel)) != 0;
    const int bitStreamMode = valueOf(control(ParameterIds::bitStreamMode));
    const bool capable = valueOf(status('@', 1)) != 0;

    if (rate < 0 || rate > highestRate)
    {
        throw VornaException("Invalid data rate of " + std::to_string(rate));
    }
    Limits limits = widestLimits;
    if (rate < lowestMiddleRate)
    {
        limits = centerLimits;
    }
    else if (rate <= highestMiddleRate)
    {
        if (auxiliaryData < 0 || auxiliaryData > 3)
        {
            return;
        }
        limits = theMiddleRows[rate - lowestMiddleRate][auxiliaryData <= 1 ? 0 : auxiliaryData - 1];
    }

    int minimum = 1;
    if (limits.lowest == dualMono)
    {
        minimum = lfe ? 3 : (bitStreamMode < karaoke ? 0 : 1);
    }
    else if (limits.lowest == noDualMono)
    {
        minimum = lfe ? 3 : 1;
    }
    const int maximum = limits.channelCount && !capable ? twoChannelCeiling : limits.highest;
    codingMode.setMinimum(ParameterValue(minimum), source());
    codingMode.setMaximum(ParameterValue(maximum), source());
}
