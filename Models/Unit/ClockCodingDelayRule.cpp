#include "Models/Unit/ClockCodingDelayRule.h"

#include "Models/ParameterCodes.h"
#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

ClockCodingDelayRule::ClockCodingDelayRule(StatusCollection* aStatusCollection,
                                           ControlCollection* aControlCollection, std::uint16_t aLimit32,
                                           std::uint16_t aLimit44, std::uint16_t aLimitOther)
    : UnitRule(findControl(aControlCollection, ParameterIds::clockSource), aStatusCollection, aControlCollection),
      myLimit32(aLimit32), myLimit44(aLimit44), myLimitOther(aLimitOther)
{
    onSubjectUpdated();
}

void ClockCodingDelayRule::onSubjectUpdated()
{
    ControlParameter& fixedDelay = control('o', 1);
    ControlParameter& codingDelay = control(ParameterIds::codingDelay);
    codingDelay.notify();
    // The fixed delay is not raised first: one below the new least delay is an
    // inconsistent state.
    const bool fixed = valueOf(codingDelay) != -1;
    int least = myLimitOther;
    if (fixed && watchedValue() == ClockSourceCode::internal32kHz)
    {
        least = myLimit32;
    }
    else if (fixed && watchedValue() == ClockSourceCode::internal44kHz)
    {
        least = myLimit44;
    }
    fixedDelay.setMinimum(ParameterValue(least), source());
}
