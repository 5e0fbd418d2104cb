#pragma once

#include "Models/TableObserver.h"

// The reserved coding row 11 follows the reserved flag row 10.
class ReservedFlagRule final : public TableObserver
{
public:
    ReservedFlagRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
