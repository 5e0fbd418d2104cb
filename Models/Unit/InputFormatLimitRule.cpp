#include "Models/Unit/InputFormatLimitRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

InputFormatLimitRule::InputFormatLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                           ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void InputFormatLimitRule::onSubjectUpdated()
{
    const bool encodedAllowed = valueOf(control(ParameterIds::clockSource)) <= 1 && valueOf(control(ParameterIds::inputSource)) != 0 &&
                                valueOf(control(ParameterIds::requestedEncoderState)) != 2 && valueOf(control(ParameterIds::auxiliaryDataInput)) <= 0;
    control(ParameterIds::inputFormat).setMaximum(ParameterValue(encodedAllowed ? 2 : 0), source());
}
