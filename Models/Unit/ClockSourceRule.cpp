#include "Models/Unit/ClockSourceRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

ClockSourceRule::ClockSourceRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                                 ControlCollection* aControlCollection, std::uint16_t aLongDelayLimit,
                                 std::uint16_t aShortDelayLimit)
    : UnitRule(findControl(aControlCollection, aWatched), aStatusCollection, aControlCollection),
      myLongDelayLimit(static_cast<std::int16_t>(aLongDelayLimit)),
      myShortDelayLimit(static_cast<std::int16_t>(aShortDelayLimit))
{
    ClockSourceRule::onSubjectUpdated();
}

void ClockSourceRule::onSubjectUpdated()
{
    const bool multiplex = valueOf(control('a', 4)) != 0;
    ControlParameter& clockSource = control('a', 2);
    const int inputSource = valueOf(control('a', 0));
    const int inputFormat = valueOf(control('a', 3));
    const int codingDelay = valueOf(control('a', 5));
    const int outputMode = valueOf(control('H', 6));
    const int dataRate = valueOf(control('B', 1));

    const int minimum = inputSource == 0 ? 2 : (multiplex ? 1 : 0);
    clockSource.setMinimum(ParameterValue(minimum), source());

    // The first test that holds decides; an external delay (-1) sets no bound.
    int maximum = 5;
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
    else if (outputMode >= 2 && dataRate > 14)
    {
        maximum = multiplex ? 2 : 4;
    }
    else
    {
        maximum = multiplex ? 2 : 5;
    }
    clockSource.setMaximum(ParameterValue(maximum), source());
}
