#include "Models/ReservedFlagRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

ReservedFlagRule::ReservedFlagRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'B', 10), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void ReservedFlagRule::onSubjectUpdated()
{
    const bool available = subjectAvailableAndSet();
    control('B', 11).setAvailable(available, source());
}
