#include "Models/TimeCodeControlObserver.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

namespace
{
const int stop = 0;
const int start = 1;
const int timeCodeControl = 2;
}

TimeCodeControlObserver::TimeCodeControlObserver(StatusCollection* aStatusCollection,
                                                 ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'O', 1), aStatusCollection, aControlCollection)
{
    onNewValue();
}

void TimeCodeControlObserver::onNewValue()
{
    const Parameter& reportedState = status('F', 0);
    ControlParameter& requestedState = control(ParameterIds::requestedEncoderState);
    if (subjectValue() != 0)
    {
        requestedState.setValue(ParameterValue(timeCodeControl));
        return;
    }
    if (requestedState.value().toShort() != timeCodeControl)
    {
        return;
    }
    switch (reportedState.value().toShort())
    {
    case 0:
    case 2:
        requestedState.setValue(ParameterValue(stop));
        break;
    case 1:
    case 3:
        requestedState.setValue(ParameterValue(start));
        break;
    default:
        throw VornaException("Invalid encoder state detetected.");
    }
}
