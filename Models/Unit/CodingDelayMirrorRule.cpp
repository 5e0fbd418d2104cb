#include "Models/Unit/CodingDelayMirrorRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

CodingDelayMirrorRule::CodingDelayMirrorRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterIds::codingDelay), aStatusCollection, aControlCollection)
{
    onNewValue();
}

void CodingDelayMirrorRule::onNewValue()
{
    const ParameterValue delay = control(ParameterIds::codingDelay).value();
    if (delay.toShort() == -1)
    {
        control('o', 0).write(ParameterValue(1));
        return;
    }
    control('o', 1).write(delay);
    control('o', 0).write(ParameterValue(0));
}
