#pragma once

#include "Models/Unit/UnitRule.h"

// A fixed coding delay chosen in 'o' 1 goes to the unit's Coding Delay ('a' 5).
// In external mode ('o' 0 is 1) 'o' 1 only keeps the delay to come back to, so
// it is not sent then: the unit's -1 stands.
class CodingDelayValueRule final : public UnitRule
{
public:
    CodingDelayValueRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onNewValue() override;
};
