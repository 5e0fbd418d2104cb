#pragma once

#include "Models/Unit/UnitRule.h"

// While a preset recall is pending ('a' 15 not 0) the unit cannot run under
// time-code control, and the start time code is not the user's to set.
class PresetEncoderStateRule final : public UnitRule
{
public:
    PresetEncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
