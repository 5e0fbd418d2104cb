#pragma once

#include "Models/Unit/UnitRule.h"

// A multiplexed stream needs a 16-bit professional output: while Multiplex Mode
// ('a' 4) is on, Output Mode ('H' 6) cannot go below 2.
class MultiplexOutputModeRule final : public UnitRule
{
public:
    MultiplexOutputModeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
