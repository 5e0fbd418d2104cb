#pragma once

#include "Models/Unit/UnitRule.h"

class ControlParameter;

// Narrows the Data Rate ('B' 1) from the other side of the data-rate rule: its
// minimum follows the Audio Coding Mode ('B' 3) and the Auxiliary Data Input
// ('a' 6); its maximum drops to 384 kbps for a 16-bit professional output
// ('H' 6 at least 2) on the internal 32 kHz clock ('a' 2 is 5). One instance
// watches each of 'a' 6, 'B' 3, 'H' 6 and 'a' 2.
class UnitCodingModeRule final : public UnitRule
{
public:
    UnitCodingModeRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                       ControlCollection* aControlCollection);
    void onSubjectUpdated() override;

protected:
    void limitDataRate(ControlParameter& aDataRate);
};
