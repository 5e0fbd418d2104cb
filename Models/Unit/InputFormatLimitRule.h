#pragma once

#include "Models/Unit/UnitRule.h"

// An encoded input ('a' 3 above PCM) needs a digital input source, a clock
// from the digital input or the unconverted reference input, no auxiliary
// data and an encoder state other than time-code control; otherwise Input
// Format offers PCM only. One instance watches each of 'E' 0, 'a' 2, 'a' 0, 'a' 6.
class InputFormatLimitRule final : public UnitRule
{
public:
    InputFormatLimitRule(const ParameterId& aWatched, StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
