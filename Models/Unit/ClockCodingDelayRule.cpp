#include "Models/Unit/ClockCodingDelayRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

namespace
{
const int internal32kHz = 5;
const int internal44kHz = 4;
}

ClockCodingDelayRule::ClockCodingDelayRule(StatusCollection* aStatusCollection,
                                           ControlCollection* aControlCollection, std::uint16_t aLimit32,
                                           std::uint16_t aLimit44, std::uint16_t aLimitOther)
    : UnitRule(findControl(aControlCollection, ParameterId('a', 2)), aStatusCollection, aControlCollection),
      myLimit32(aLimit32), myLimit44(aLimit44), myLimitOther(aLimitOther)
{
    ClockCodingDelayRule::onSubjectUpdated();
}

void ClockCodingDelayRule::onSubjectUpdated()
{
    ControlParameter& fixedDelay = control('o', 1);
    ControlParameter& codingDelay = control('a', 5);
    codingDelay.notify();
    // The fixed delay is not raised first: one below the new least delay is an
    // inconsistent state.
    const bool fixed = valueOf(codingDelay) != -1;
    int least = myLimitOther;
    if (fixed && watchedValue() == internal32kHz)
    {
        least = myLimit32;
    }
    else if (fixed && watchedValue() == internal44kHz)
    {
        least = myLimit44;
    }
    fixedDelay.setMinimum(ParameterValue(least), source());
}
