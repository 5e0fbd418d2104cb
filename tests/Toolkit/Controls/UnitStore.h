#pragma once

#include "Toolkit/Parameter/ParameterValueStore.h"

#include <optional>
#include <utility>
#include <vector>

// An in-memory unit that records the values written to it, and can be told
// to fail writes or to keep a value of its own instead of the one written.
class UnitStore : public ParameterValueStore
{
public:
    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;

    // The values written, in order (the group is the one written under).
    std::vector<std::pair<ParameterId, ParameterValue>> writes;
    bool failWrites = false;
    // What the unit reads back after any write, when set.
    std::optional<ParameterValue> keeps;
};
