#pragma once

#include "Models/TableObserver.h"

// The time-code format and the current time code count only while time code is present.
class TimeCodePresentRule final : public TableObserver
{
public:
    TimeCodePresentRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
