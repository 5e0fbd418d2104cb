#include "Models/Unit/OutputModeLimitRule.h"

#include "Models/ParameterCodes.h"
#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

OutputModeLimitRule::OutputModeLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                         ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void OutputModeLimitRule::onSubjectUpdated()
{
    const bool narrow = valueOf(control(ParameterIds::dataRate)) >= DataRateCode::rate448 && valueOf(control(ParameterIds::clockSource)) == ClockSourceCode::internal32kHz;
    control(ParameterIds::outputMode).setMaximum(ParameterValue(narrow ? 1 : 3), source());
}
