#pragma once

#include "Models/Unit/UnitRule.h"

// Above 384 kbps the internal 32 kHz clock leaves no room for a 16-bit output:
// with Data Rate 'B' 1 at 15 or more and Clock Source 'a' 2 at 5, Output Mode
// ('H' 6) offers 0 and 1 only. One instance watches each of 'B' 1 and 'a' 2.
class OutputModeLimitRule final : public UnitRule
{
public:
    OutputModeLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
