#pragma once

#include "Toolkit/Parameter/RestorableParamAction.h"

#include <cstdint>
#include <utility>

// Counts the restorable control parameters of a map.
class CountRestorableParams : public RestorableParamAction<CountRestorableParams>
{
public:
    explicit CountRestorableParams(std::uint32_t* aCount);

private:
    friend class RestorableParamAction<CountRestorableParams>;
    void take(const std::pair<const ParameterId, ControlParameter>& anEntry);

    std::uint32_t* myCount;
};
