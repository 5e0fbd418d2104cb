#include "Models/Unit/InputSourceLimitRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

InputSourceLimitRule::InputSourceLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                           ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    InputSourceLimitRule::onSubjectUpdated();
}

void InputSourceLimitRule::onSubjectUpdated()
{
    const bool analogAllowed = valueOf(control('a', 3)) == 0 && valueOf(control('a', 2)) >= 2;
    control('a', 0).setMinimum(ParameterValue(analogAllowed ? 0 : 1), source());
}
