#pragma once

#include "Models/TableObserver.h"

// The LFE lowpass filter and the LFE level count only while the LFE channel is on.
class LfeRule final : public TableObserver
{
public:
    LfeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
