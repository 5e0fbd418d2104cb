#pragma once

#include "Models/TableObserver.h"

// The input's frequency, integrity and channel status count only while the unit
// is locked to the input.
class InputLockedRule final : public TableObserver
{
public:
    InputLockedRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
