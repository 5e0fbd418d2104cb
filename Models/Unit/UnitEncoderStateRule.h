#pragma once

#include "Models/Unit/UnitRule.h"

// Ties a unit's Requested Encoder State ('E' 0) to the pending preset recall
// and the local time-code switch 'O' 1: no recall can be pending under
// time-code control, and while the switch is on, 'E' 0 is held at
// "Time Code Control" as far as its maximum allows.
class UnitEncoderStateRule final : public UnitRule
{
public:
    UnitEncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
