#pragma once

#include "Models/Unit/UnitRule.h"

// The reference input's status fields mean something only while the unit is
// locked to that input: they are available exactly while Reference Input
// Locked ('b' 0) is available and not 0.
class ReferenceLockRule final : public UnitRule
{
public:
    ReferenceLockRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
