#include "Models/Unit/CodingDelayModeRule.h"

#include "Models/ParameterCodes.h"
#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

CodingDelayModeRule::CodingDelayModeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                                         std::uint16_t aLimit32, std::uint16_t aLimit44, std::uint16_t aLimitOther,
                                         std::uint16_t aMaximum)
    : UnitRule(findControl(aControlCollection, ParameterId('o', 0)), aStatusCollection, aControlCollection),
      myLimit32(aLimit32), myLimit44(aLimit44), myLimitOther(aLimitOther), myMaximum(aMaximum)
{
    onSubjectUpdated();
}

void CodingDelayModeRule::onSubjectUpdated()
{
    ControlParameter& codingDelay = control(ParameterIds::codingDelay);
    ControlParameter& fixedDelay = control('o', 1);
    const int mode = valueOf(control('o', 0));
    if (mode == 1)
    {
        fixedDelay.setAvailable(false, source());
        fixedDelay.setValue(ParameterValue(myMaximum));
        codingDelay.setValue(ParameterValue(-1));
        return;
    }
    if (mode != 0)
    {
        return;
    }
    const int clockSource = valueOf(control(ParameterIds::clockSource));
    if (clockSource == ClockSourceCode::internal32kHz || clockSource == ClockSourceCode::internal44kHz)
    {
        // The slower internal rates need a longer delay: raise it first.
        const int least = clockSource == ClockSourceCode::internal32kHz ? myLimit32 : myLimit44;
        if (valueOf(fixedDelay) < least)
        {
            fixedDelay.setValue(ParameterValue(least));
        }
        fixedDelay.setMinimum(ParameterValue(least), source());
    }
    else
    {
        fixedDelay.setMinimum(ParameterValue(myLimitOther), source());
    }
    fixedDelay.setAvailable(true, source());
    codingDelay.setValue(fixedDelay.value());
}
