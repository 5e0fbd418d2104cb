#include "Models/AudioBandwidthRule.h"

#include "Toolkit/Parameter/Parameter.h"

AudioBandwidthRule::AudioBandwidthRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findStatus(aStatusCollection, 'F', 0), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void AudioBandwidthRule::onSubjectUpdated()
{
    const bool available = subjectValue() != 0;
    status('C', 2).setAvailable(available, source());
}
