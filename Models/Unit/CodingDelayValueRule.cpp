#include "Models/Unit/CodingDelayValueRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

CodingDelayValueRule::CodingDelayValueRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterId('o', 1)), aStatusCollection, aControlCollection)
{
    onNewValue();
}

void CodingDelayValueRule::onNewValue()
{
    if (valueOf(control('o', 0)) == 0)
    {
        control(ParameterIds::codingDelay).setValue(control('o', 1).value());
    }
}
