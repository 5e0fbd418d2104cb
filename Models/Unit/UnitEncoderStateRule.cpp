#include "Models/Unit/UnitEncoderStateRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

UnitEncoderStateRule::UnitEncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterIds::requestedEncoderState), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void UnitEncoderStateRule::onSubjectUpdated()
{
    control('a', 15).setAvailable(watchedValue() != 2, source());
    ControlParameter& timeCodeControl = control('O', 1);
    ControlParameter& encoderState = control(ParameterIds::requestedEncoderState);
    if (valueOf(timeCodeControl) != 0)
    {
        encoderState.setValue(ParameterValue(2));
    }
    timeCodeControl.setAvailable(encoderState.maximum().toShort() >= 2, source());
    // The request above may have changed 'E' 0: the cache holds its latest value.
    timeCodeControl.setValue(ParameterValue(watchedValue() == 2 ? 1 : 0));
}
