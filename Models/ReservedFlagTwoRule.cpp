#include "Models/ReservedFlagTwoRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

ReservedFlagTwoRule::ReservedFlagTwoRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'B', 15), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void ReservedFlagTwoRule::onSubjectUpdated()
{
    const bool available = subjectAvailableAndSet();
    control('B', 16).setAvailable(available, source());
}
