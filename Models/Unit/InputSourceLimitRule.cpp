#include "Models/Unit/InputSourceLimitRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

InputSourceLimitRule::InputSourceLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                           ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void InputSourceLimitRule::onSubjectUpdated()
{
    const bool analogAllowed = valueOf(control(ParameterIds::inputFormat)) == 0 && valueOf(control(ParameterIds::clockSource)) >= 2;
    control(ParameterIds::inputSource).setMinimum(ParameterValue(analogAllowed ? 0 : 1), source());
}
