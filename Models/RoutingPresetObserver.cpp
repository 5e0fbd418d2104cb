#include "Models/RoutingPresetObserver.h"

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

namespace
{
// Inputs by preset, in channel order: Left, Center, Right, Left Surround,
// Right Surround, LFE.
const int theInputs[RoutingPresetObserver::presetCount][RoutingPresetObserver::channelCount] = {
    {0, 4, 1, 2, 3, 5},
    {0, 1, 2, 3, 4, 5},
    {0, 2, 4, 1, 3, 5},
    {0, 2, 1, 4, 5, 3},
    {0, 1, 3, 4, 2, 5},
    {1, 0, 2, 3, 4, 5},
};
}

RoutingPresetObserver::RoutingPresetObserver(StatusCollection* aStatusCollection,
                                             ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'O', 0), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

int RoutingPresetObserver::input(int aPreset, int aChannel)
{
    return theInputs[aPreset][aChannel];
}

int RoutingPresetObserver::presetOf(const int someInputs[channelCount])
{
    for (int preset = 0; preset < presetCount; ++preset)
    {
        bool matches = true;
        for (int channel = 0; channel < channelCount && matches; ++channel)
        {
            matches = theInputs[preset][channel] == someInputs[channel];
        }
        if (matches)
        {
            return preset;
        }
    }
    return customPreset;
}

void RoutingPresetObserver::onSubjectUpdated()
{
    ControlParameter* assignments[channelCount];
    for (int channel = 0; channel < channelCount; ++channel)
    {
        assignments[channel] = &control('H', channel);
    }
    const int preset = subjectValue();
    if (preset == customPreset)
    {
        return;
    }
    if (preset < 0 || preset >= presetCount)
    {
        throw VornaException("Invalid input channel assignment");
    }
    // In the order of the inputs they receive, so that each request is written
    // and read back before the next one is made.
    for (int input = 0; input < channelCount; ++input)
    {
        for (int channel = 0; channel < channelCount; ++channel)
        {
            if (theInputs[preset][channel] == input)
            {
                assignments[channel]->setValue(ParameterValue(input));
            }
        }
    }
}
