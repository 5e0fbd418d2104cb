#include "Models/Unit/ClockLockRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/ParameterValueMap.h"
#include "Toolkit/Parameter/VornaException.h"

ClockLockRule::ClockLockRule(Parameter* aWatched, StatusCollection* aStatusCollection,
                             ControlCollection* aControlCollection)
    : UnitRule(aWatched, aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void ClockLockRule::onSubjectUpdated()
{
    const int clockSource = valueOf(control(ParameterIds::clockSource));
    const Parameter& referenceLocked = status('b', 0);
    const Parameter& inputLocked = status('I', 0);
    Parameter& clockLock = status('o', 2);
    int locked = 0;
    switch (clockSource)
    {
    case 0:
        locked = valueOf(inputLocked) != 0 ? 1 : 0;
        break;
    case 1:
    case 2:
        locked = valueOf(referenceLocked) != 0 ? 1 : 0;
        break;
    case 3:
    case 4:
    case 5:
        locked = 1;
        break;
    default:
        throw VornaException("Invalid clock source.");
    }
    // As a value of its own: 'o' 2 notifies only when it changes.
    ParameterValueMap values;
    values[clockLock.id()] = ParameterValue(locked);
    clockLock.update(values);
}
