#include "Models/Unit/InputFormatLimitRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

InputFormatLimitRule::InputFormatLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                           ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    InputFormatLimitRule::onSubjectUpdated();
}

void InputFormatLimitRule::onSubjectUpdated()
{
    const bool encodedAllowed = valueOf(control('a', 2)) <= 1 && valueOf(control('a', 0)) != 0 &&
                                valueOf(control('E', 0)) != 2 && valueOf(control('a', 6)) <= 0;
    control('a', 3).setMaximum(ParameterValue(encodedAllowed ? 2 : 0), source());
}
