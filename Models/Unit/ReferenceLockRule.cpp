#include "Models/Unit/ReferenceLockRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

ReferenceLockRule::ReferenceLockRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : UnitRule(findStatus(aStatusCollection, ParameterId('b', 0)), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void ReferenceLockRule::onSubjectUpdated()
{
    const bool locked = myAvailable && watchedValue() != 0;
    const int fields[] = {1, 2, 3, 5, 4};
    for (int index : fields)
    {
        status('b', index).setAvailable(locked, source());
    }
}
