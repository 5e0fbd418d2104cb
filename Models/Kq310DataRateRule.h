#pragma once

#include "Models/TableObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

// On the KQ310 the data rate, the LFE switch and the bit stream mode bound the
// audio coding mode: the unit's capability rows give the lowest data rate for
// two to five main channels. Installed on each of the three; whichever changes,
// the same bounds are computed.
class Kq310DataRateRule final : public TableObserver
{
public:
    Kq310DataRateRule(const ParameterId& aSubject, StatusCollection* aStatusCollection,
                      ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
