#include "Models/Unit/InputFormatEncoderStateRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

InputFormatEncoderStateRule::InputFormatEncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterId('a', 3)), aStatusCollection, aControlCollection)
{
    InputFormatEncoderStateRule::onSubjectUpdated();
}

void InputFormatEncoderStateRule::onSubjectUpdated()
{
    control('E', 0).setMaximum(ParameterValue(watchedValue() > 0 ? 1 : 2), source());
}
