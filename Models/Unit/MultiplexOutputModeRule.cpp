#include "Models/Unit/MultiplexOutputModeRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

MultiplexOutputModeRule::MultiplexOutputModeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterIds::multiplexMode), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void MultiplexOutputModeRule::onSubjectUpdated()
{
    control(ParameterIds::outputMode).setMinimum(ParameterValue(watchedValue() != 0 ? 2 : 0), source());
}
