#include "Models/Unit/MultiplexAvailabilityRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

MultiplexAvailabilityRule::MultiplexAvailabilityRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                                     ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void MultiplexAvailabilityRule::onSubjectUpdated()
{
    const int clockSource = valueOf(control(ParameterIds::clockSource));
    const bool offered = valueOf(control(ParameterIds::outputMode)) >= 2 && (clockSource == 1 || clockSource == 2);
    control(ParameterIds::multiplexMode).setAvailable(offered, source());
}
