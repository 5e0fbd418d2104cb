#pragma once

#include "Toolkit/Parameter/ValueTracker.h"

#include <cstdint>

// Runs a packed-BCD counter (the time-code frame) on between polls at the
// decimal rate at which it last advanced; it wraps past the maximum back
// towards the minimum. A counter that went back (it wrapped between polls)
// keeps its former rate.
class BcdRateCounter : public ValueTracker
{
public:
    void onValue(std::int16_t aValue) override;
    std::int32_t estimate(std::uint16_t aMinimum, std::uint16_t aMaximum) override;

    float rate() const { return myRate; }
    float estimated() const { return myEstimate; }

    // The decimal value of the low byte of a packed-BCD value, and back.
    static unsigned decimal(std::uint16_t aValue);
    static std::uint16_t packed(unsigned aDecimal);

private:
    std::uint16_t myLastValue = 0;
    std::uint32_t myPreviousCount = 0;
    std::uint32_t myCount = 0;
    float myEstimate = 0.0f;
    float myRate = 0.0f;
};
