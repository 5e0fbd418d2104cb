#pragma once

#include "Models/TableObserver.h"

// The audio coding mode decides which channels, mix levels, surround settings
// and second-programme ("Two") parameters count, and bounds the LFE switch and
// the bit stream mode. A refused bound stops the run where it is: the changes
// made before it stay.
class AudioCodingModeRule final : public TableObserver
{
public:
    AudioCodingModeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
