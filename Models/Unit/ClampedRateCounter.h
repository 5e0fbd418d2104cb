#pragma once

#include "Toolkit/Parameter/ValueTracker.h"

#include <cstdint>

// Estimates a level between polls from the rate at which it last moved, with
// the rate kept between two limits (the signal levels may only fall, the
// compression levels only rise, and never faster than the limits). Each change
// is spread over the steps that lay between the two values before it.
class ClampedRateCounter : public ValueTracker
{
public:
    ClampedRateCounter(float aLowestRate, float aHighestRate);

    void onValue(std::int16_t aValue) override;
    // The last value moved on by the rate once per step, not below 0, within
    // the limits.
    std::int32_t estimate(std::uint16_t aMinimum, std::uint16_t aMaximum) override;

    float rate() const { return myRate; }

private:
    std::uint16_t myLastValue = 0;
    std::uint32_t myPreviousCount = 0;
    std::uint32_t myCount = 0;
    float myRate = 0.0f;
    float myLowestRate;
    float myHighestRate;
};
