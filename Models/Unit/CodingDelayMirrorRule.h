#pragma once

#include "Models/Unit/UnitRule.h"

// Mirrors the unit's Coding Delay ('a' 5) into the local pair: -1 is external
// mode ('o' 0 = 1); any other value is a fixed delay ('o' 0 = 0) held in 'o' 1.
// The delay is stored in 'o' 1 before the mode switches to fixed, so the
// switch never sends the unit a delay that it no longer holds.
class CodingDelayMirrorRule final : public UnitRule
{
public:
    CodingDelayMirrorRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onNewValue() override;
};
