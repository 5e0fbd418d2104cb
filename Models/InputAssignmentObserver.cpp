#include "Models/InputAssignmentObserver.h"

#include "Models/RoutingPresetObserver.h"
#include "Toolkit/Parameter/ControlParameter.h"

InputAssignmentObserver::InputAssignmentObserver(const ParameterId& anAssignment,
                                                 StatusCollection* aStatusCollection,
                                                 ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, anAssignment.group(), anAssignment.index()),
                    aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void InputAssignmentObserver::onSubjectUpdated()
{
    int inputs[RoutingPresetObserver::channelCount];
    for (int channel = 0; channel < RoutingPresetObserver::channelCount; ++channel)
    {
        inputs[channel] = control('H', channel).value().toShort();
    }
    ControlParameter& preset = control('O', 0);
    preset.setValue(ParameterValue(RoutingPresetObserver::presetOf(inputs)));
}
