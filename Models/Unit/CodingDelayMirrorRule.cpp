#include "Models/Unit/CodingDelayMirrorRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

CodingDelayMirrorRule::CodingDelayMirrorRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterId('a', 5)), aStatusCollection, aControlCollection)
{
    CodingDelayMirrorRule::onNewValue();
}

void CodingDelayMirrorRule::onNewValue()
{
    const ParameterValue delay = control('a', 5).value();
    if (delay.toShort() == -1)
    {
        control('o', 0).write(ParameterValue(1));
        return;
    }
    control('o', 1).write(delay);
    control('o', 0).write(ParameterValue(0));
}
