#include "Models/Unit/InputFormatEncoderStateRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

InputFormatEncoderStateRule::InputFormatEncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterIds::inputFormat), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void InputFormatEncoderStateRule::onSubjectUpdated()
{
    control(ParameterIds::requestedEncoderState).setMaximum(ParameterValue(watchedValue() > 0 ? 1 : 2), source());
}
