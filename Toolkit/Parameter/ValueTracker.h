#pragma once

#include <cstdint>

// Optional estimator of a status parameter: learns from every new value and
// estimates the value while the protocol waits. Not owned by the parameter.
class ValueTracker
{
public:
    virtual ~ValueTracker() = default;
    virtual void onValue(std::int16_t aValue) = 0;
    virtual std::int32_t estimate(std::uint16_t aMinimum, std::uint16_t aMaximum) = 0;
};
