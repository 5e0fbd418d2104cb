#pragma once

#include "Models/Unit/UnitRule.h"

// Auxiliary data rides on PCM input only: Auxiliary Data Input ('a' 6) is
// available exactly while Input Format ('a' 3) is PCM, and its highest rate
// is what the Audio Coding Mode ('B' 3) leaves of the Data Rate ('B' 1).
// One instance watches each of 'B' 3, 'B' 1 and 'a' 3.
class AuxiliaryDataRule final : public UnitRule
{
public:
    AuxiliaryDataRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                      ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
