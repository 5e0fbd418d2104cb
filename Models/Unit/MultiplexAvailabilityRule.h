#pragma once

#include "Models/Unit/UnitRule.h"

// Multiplex Mode ('a' 4) is offered only with a 16-bit professional output
// (Output Mode 'H' 6 at least 2) and a reference-input clock (Clock Source
// 'a' 2 is 1 or 2). One instance watches each of the two.
class MultiplexAvailabilityRule final : public UnitRule
{
public:
    MultiplexAvailabilityRule(const ParameterId& aWatched, StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
