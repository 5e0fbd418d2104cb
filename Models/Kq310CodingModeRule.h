#pragma once

#include "Models/TableObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

// On the KQ310 the audio coding mode raises the lowest data rate to the one that
// the unit's capability rows give for its number of main channels.
class Kq310CodingModeRule final : public TableObserver
{
public:
    Kq310CodingModeRule(const ParameterId& aSubject, StatusCollection* aStatusCollection,
                        ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
