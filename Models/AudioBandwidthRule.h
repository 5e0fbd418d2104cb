#pragma once

#include "Models/TableObserver.h"

// The audio bandwidth counts only while the encoder runs (the encoder state that
// the unit reports is not 0).
class AudioBandwidthRule final : public TableObserver
{
public:
    AudioBandwidthRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
