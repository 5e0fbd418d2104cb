#pragma once

#include "Models/TableObserver.h"

// Keeps the local time-code control switch in step with the requested encoder
// state: the switch counts when the state can be "Time Code Control", and is
// on exactly while that state is requested.
class EncoderStateRule final : public TableObserver
{
public:
    EncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
