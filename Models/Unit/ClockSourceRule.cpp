#include "Models/Unit/ClockSourceRule.h"

#include "Models/ParameterCodes.h"
#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

ClockSourceRule::ClockSourceRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                 ControlCollection* aControlCollection, std::uint16_t aLongDelayLimit,
                                 std::uint16_t aShortDelayLimit)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection),
      myLongDelayLimit(static_cast<std::int16_t>(aLongDelayLimit)),
      myShortDelayLimit(static_cast<std::int16_t>(aShortDelayLimit))
{
    onSubjectUpdated();
}

void ClockSourceRule::onSubjectUpdated()
{
    const bool multiplex = valueOf(control(ParameterIds::multiplexMode)) != 0;
    ControlParameter& clockSource = control(ParameterIds::clockSource);
    const int inputSource = valueOf(control(ParameterIds::inputSource));
    const int inputFormat = valueOf(control(ParameterIds::inputFormat));
    const int codingDelay = valueOf(control(ParameterIds::codingDelay));
    const int outputMode = valueOf(control(ParameterIds::outputMode));
    const int dataRate = valueOf(control(ParameterIds::dataRate));

    const int minimum = inputSource == 0 ? 2 : (multiplex ? 1 : 0);
    clockSource.setMinimum(ParameterValue(minimum), source());

    // The first test that holds decides; an external delay (-1) sets no bound.
    int maximum = ClockSourceCode::internal32kHz;
    if (inputFormat >= 1)
    {
        maximum = 1;
    }
    else if (codingDelay != -1 && codingDelay < myShortDelayLimit)
    {
        maximum = multiplex ? 2 : 3;
    }
    else if (codingDelay != -1 && codingDelay < myLongDelayLimit)
    {
        maximum = multiplex ? 2 : 4;
    }
    else if (outputMode >= 2 && dataRate > DataRateCode::rate384)
    {
        maximum = multiplex ? 2 : 4;
    }
    else
    {
        maximum = multiplex ? 2 : 5;
    }
    clockSource.setMaximum(ParameterValue(maximum), source());
}
