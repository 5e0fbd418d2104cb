#pragma once

#include "Models/TableObserver.h"

// Drives the requested encoder state 'E' 0 from the local time-code control
// switch 'O' 1: on requests "Time Code Control"; off, while that state is
// requested, goes back to the state that the unit reports ('F' 0).
class TimeCodeControlObserver final : public TableObserver
{
public:
    TimeCodeControlObserver(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onNewValue() override;
};
