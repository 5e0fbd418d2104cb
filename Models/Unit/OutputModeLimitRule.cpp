#include "Models/Unit/OutputModeLimitRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

OutputModeLimitRule::OutputModeLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                         ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    OutputModeLimitRule::onSubjectUpdated();
}

void OutputModeLimitRule::onSubjectUpdated()
{
    const bool narrow = valueOf(control('B', 1)) >= 15 && valueOf(control('a', 2)) == 5;
    control('H', 6).setMaximum(ParameterValue(narrow ? 1 : 3), source());
}
