#include "Models/TimeCodePresentRule.h"

#include "Toolkit/Parameter/Parameter.h"

TimeCodePresentRule::TimeCodePresentRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findStatus(aStatusCollection, 'F', 1), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void TimeCodePresentRule::onSubjectUpdated()
{
    const bool available = subjectAvailableAndSet();
    status('F', 2).setAvailable(available, source());
    status('F', 3).setAvailable(available, source());
    status('F', 4).setAvailable(available, source());
    status('F', 5).setAvailable(available, source());
    status('F', 6).setAvailable(available, source());
}
