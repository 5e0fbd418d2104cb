#pragma once

#include "Models/TableObserver.h"

// The reserved coding row 16 follows the reserved flag row 15.
class ReservedFlagTwoRule final : public TableObserver
{
public:
    ReservedFlagTwoRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
