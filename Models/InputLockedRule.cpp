#include "Models/InputLockedRule.h"

#include "Toolkit/Parameter/Parameter.h"

InputLockedRule::InputLockedRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findStatus(aStatusCollection, 'I', 0), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void InputLockedRule::onSubjectUpdated()
{
    const bool available = subjectAvailableAndSet();
    status('I', 1).setAvailable(available, source());
    status('I', 2).setAvailable(available, source());
    status('I', 3).setAvailable(available, source());
    status('I', 6).setAvailable(available, source());
    status('I', 5).setAvailable(available, source());
    status('I', 4).setAvailable(available, source());
}
