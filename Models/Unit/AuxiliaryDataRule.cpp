#include "Models/Unit/AuxiliaryDataRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

namespace
{
// By audio coding mode: no auxiliary data below the first rate, at most 1200
// bps up to the second, 2400 bps up to the third, 9600 bps above it.
struct Steps
{
    int none;
    int slow;
    int medium;
};

const Steps theSteps[8] = {
    {7, 7, 9},    // 1+1
    {3, 3, 5},    // 1/0
    {6, 7, 9},    // 2/0
    {8, 9, 11},   // 3/0
    {8, 9, 11},   // 2/1
    {10, 11, 13}, // 3/1
    {10, 11, 13}, // 2/2
    {11, 12, 14}, // 3/2
};
}

AuxiliaryDataRule::AuxiliaryDataRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                     ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void AuxiliaryDataRule::onSubjectUpdated()
{
    const ControlParameter& dataRate = control(ParameterIds::dataRate);
    ControlParameter& auxiliaryData = control(ParameterIds::auxiliaryDataInput);
    const ControlParameter& codingMode = control(ParameterIds::audioCodingMode);
    ControlParameter& inputFormat = control(ParameterIds::inputFormat);
    auxiliaryData.setAvailable(valueOf(inputFormat) == 0, &inputFormat);
    const int mode = valueOf(codingMode);
    if (mode < 0 || mode > 7)
    {
        throw VornaException("Invalid audio coding mode.");
    }
    const int rate = valueOf(dataRate);
    const Steps& steps = theSteps[mode];
    int maximum = 3;
    if (rate < steps.none)
    {
        maximum = 0;
    }
    else if (rate <= steps.slow)
    {
        maximum = 1;
    }
    else if (rate <= steps.medium)
    {
        maximum = 2;
    }
    auxiliaryData.setMaximum(ParameterValue(maximum), source());
}
