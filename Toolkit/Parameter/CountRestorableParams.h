#pragma once

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <cstdint>
#include <utility>

// Counts the restorable control parameters of a map.
class CountRestorableParams
{
public:
    explicit CountRestorableParams(std::uint32_t* aCount);
    void operator()(const std::pair<const ParameterId, ControlParameter>& anEntry);

private:
    std::uint32_t* myCount;
};
