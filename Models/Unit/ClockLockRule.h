#pragma once

#include "Models/Unit/UnitRule.h"

// Derives the clock-lock status 'o' 2 from the chosen Clock Source ('a' 2) and
// the lock of the input that it uses: the digital input ('I' 0), the
// reference input ('b' 0), or none for the internal clocks, which are always
// locked. One instance watches each of 'a' 2, 'b' 0 and 'I' 0.
class ClockLockRule final : public UnitRule
{
public:
    ClockLockRule(Parameter* aWatched, StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
