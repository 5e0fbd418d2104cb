#include "Models/AudioCodingModeRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

AudioCodingModeRule::AudioCodingModeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'B', 3), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void AudioCodingModeRule::onSubjectUpdated()
{
    // 0 "1+1", 1 "1/0", 2 "2/0", 3 "3/0", 4 "2/1", 5 "3/1", 6 "2/2", 7 "3/2".
    const int mode = subjectValue();
    const bool hasCenter = mode % 2 != 0;
    const bool dualMono = mode == 0;

    status('C', 3).setAvailable(mode >= 2, source());
    status('C', 4).setAvailable(mode != 1, source());
    status('C', 6).setAvailable(mode != 1, source());
    status('C', 5).setAvailable(hasCenter, source());
    status('C', 7).setAvailable(mode >= 4, source());
    status('C', 8).setAvailable(mode >= 6, source());
    status('C', 11).setAvailable(dualMono, source());
    status('C', 13).setAvailable(dualMono, source());
    status('C', 15).setAvailable(dualMono, source());

    control('B', 7).setAvailable(hasCenter && mode != 1, source());
    ControlParameter& lfe = control(ParameterIds::lfeChannel);
    lfe.setAvailable(mode >= 3, source());
    lfe.setMaximum(ParameterValue(mode >= 3 ? 1 : 0), source());
    control(ParameterIds::bitStreamMode).setMaximum(ParameterValue(mode != 0 ? 7 : 6), source());
    control('B', 32).setAvailable(mode >= 4, source());
    control('B', 8).setAvailable(mode >= 4, source());
    control('B', 31).setAvailable(mode >= 4, source());
    control('B', 9).setAvailable(mode == 2, source());
    control('B', 17).setAvailable(dualMono, source());
    control('B', 6).setAvailable(dualMono, source());
    const bool secondProductionInfo = dualMono && control('B', 17).value().toShort() != 0;
    control('B', 18).setAvailable(secondProductionInfo, source());
    control('B', 19).setAvailable(secondProductionInfo, source());
}
