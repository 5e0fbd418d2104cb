#include "Models/Unit/UnitCodingModeRule.h"

#include "Models/ParameterCodes.h"
#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

namespace
{
// The lowest data rate index by audio coding mode (rows 0 to 7) and auxiliary
// data (columns: 0 or 1, 2, 3).
const int theLowestRates[8][3] = {
    {7, 8, 10},   // 1+1
    {3, 4, 6},    // 1/0
    {6, 8, 10},   // 2/0
    {8, 10, 12},  // 3/0
    {8, 10, 12},  // 2/1
    {10, 12, 14}, // 3/1
    {10, 12, 14}, // 2/2
    {11, 13, 15}, // 3/2
};
}

UnitCodingModeRule::UnitCodingModeRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                       ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void UnitCodingModeRule::onSubjectUpdated()
{
    const ControlParameter& codingMode = control(ParameterIds::audioCodingMode);
    ControlParameter& dataRate = control(ParameterIds::dataRate);
    const ControlParameter& auxiliaryData = control(ParameterIds::auxiliaryDataInput);
    limitDataRate(dataRate);
    const int mode = valueOf(codingMode);
    if (mode < 0 || mode > 7)
    {
        throw VornaException("Invalid audio coding mode.");
    }
    const int aux = valueOf(auxiliaryData);
    if (aux < 0 || aux > 3)
    {
        return;
    }
    dataRate.setMinimum(ParameterValue(theLowestRates[mode][aux <= 1 ? 0 : aux - 1]), source());
}

void UnitCodingModeRule::limitDataRate(ControlParameter& aDataRate)
{
    ControlParameter& outputMode = control(ParameterIds::outputMode);
    const bool narrow = valueOf(outputMode) >= 2 && valueOf(control(ParameterIds::clockSource)) == ClockSourceCode::internal32kHz;
    aDataRate.setMaximum(ParameterValue(narrow ? DataRateCode::rate384 : DataRateCode::rate640), &outputMode);
}
