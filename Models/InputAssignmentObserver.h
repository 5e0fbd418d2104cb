#pragma once

#include "Models/TableObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

// Watches one input assignment ('H' 0 to 'H' 5) and sets the routing preset
// (local 'O' 0) to the preset that the six assignments form, or to custom.
class InputAssignmentObserver final : public TableObserver
{
public:
    InputAssignmentObserver(const ParameterId& anAssignment, StatusCollection* aStatusCollection,
                            ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
