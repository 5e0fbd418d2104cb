#pragma once

#include "Models/Unit/UnitRule.h"

// The analog input (Input Source 'a' 0 = 0) carries PCM only and needs a
// converted or internal clock (Clock Source 'a' 2 at least 2). One instance
// watches each of 'a' 2 and 'a' 3.
class InputSourceLimitRule final : public UnitRule
{
public:
    InputSourceLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
