#include "Models/Unit/MultiplexAvailabilityRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

MultiplexAvailabilityRule::MultiplexAvailabilityRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                                     ControlCollection* aControlCollection)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection)
{
    MultiplexAvailabilityRule::onSubjectUpdated();
}

void MultiplexAvailabilityRule::onSubjectUpdated()
{
    const int clockSource = valueOf(control('a', 2));
    const bool offered = valueOf(control('H', 6)) >= 2 && (clockSource == 1 || clockSource == 2);
    control('a', 4).setAvailable(offered, source());
}
