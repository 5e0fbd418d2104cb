#include "Models/LfeRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

LfeRule::LfeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'B', 4), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void LfeRule::onSubjectUpdated()
{
    const bool available = subjectAvailableAndSet();
    control('B', 30).setAvailable(available, source());
    status('C', 9).setAvailable(available, source());
}
