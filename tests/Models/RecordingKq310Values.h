#pragma once

#include "Models/OfflineKq310Values.h"

#include <string>
#include <vector>

// The KQ310's off-line values, recording what the table asks of them: every
// write (id and value) and the group of every list request. It can also be told
// to answer list requests with ids of another group.
class RecordingKq310Values : public OfflineKq310Values
{
public:
    struct Write
    {
        ParameterId id;
        int value;
    };

    explicit RecordingKq310Values(std::uint8_t aMultiChannel = 1);

    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
    void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult) override;

    // Puts a value where the parameter reads it, as a unit's own change would.
    void hold(int aGroup, int anIndex, int aValue);

    std::vector<Write> writes;
    // The group letters of the list requests, in order ('-' for an empty request).
    std::string requestedGroups;
    // When set, list requests of this group are answered under the next group.
    int misansweredGroup = -1;
};
