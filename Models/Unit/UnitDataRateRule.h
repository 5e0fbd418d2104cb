#pragma once

#include "Models/Unit/UnitRule.h"

// Narrows the Audio Coding Mode ('B' 3) to the modes that the Data Rate ('B' 1)
// leaves room for, after the auxiliary data ('a' 6), with the LFE channel
// ('B' 4) and the bit stream mode ('B' 2) deciding the lowest mode and the
// unit's Multi-channel Capable status ('@' 1) the highest. One instance
// watches each of 'a' 6, 'B' 1, 'B' 4 and 'B' 2; each evaluates the same way.
class UnitDataRateRule final : public UnitRule
{
public:
    UnitDataRateRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                     ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
