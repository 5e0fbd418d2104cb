#include "Models/Unit/MultiplexOutputModeRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

MultiplexOutputModeRule::MultiplexOutputModeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, ParameterId('a', 4)), aStatusCollection, aControlCollection)
{
    MultiplexOutputModeRule::onSubjectUpdated();
}

void MultiplexOutputModeRule::onSubjectUpdated()
{
    control('H', 6).setMinimum(ParameterValue(watchedValue() != 0 ? 2 : 0), source());
}
