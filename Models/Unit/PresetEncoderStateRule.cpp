#include "Models/Unit/PresetEncoderStateRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

PresetEncoderStateRule::PresetEncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterId('a', 15)), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void PresetEncoderStateRule::onSubjectUpdated()
{
    const int pending = watchedValue();
    control(ParameterIds::requestedEncoderState).setMaximum(ParameterValue(pending <= 0 ? 2 : 1), source());
    for (int index = 2; index <= 6; ++index)
    {
        control('E', index).setAvailable(pending == 0, source());
    }
}
