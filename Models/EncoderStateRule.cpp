#include "Models/EncoderStateRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

namespace
{
const int timeCodeControl = 2;
}

EncoderStateRule::EncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'E', 0), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void EncoderStateRule::onSubjectUpdated()
{
    ControlParameter& timeCodeSwitch = control('O', 1);
    timeCodeSwitch.setAvailable(parameter()->maximum().toShort() >= timeCodeControl, source());
    timeCodeSwitch.write(ParameterValue(subjectValue() == timeCodeControl ? 1 : 0));
}
