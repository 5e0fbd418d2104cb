#include "Models/Unit/ClampedRateCounter.h"

#include <cmath>
#include <limits>

ClampedRateCounter::ClampedRateCounter(float aLowestRate, float aHighestRate)
    : myLowestRate(aLowestRate), myHighestRate(aHighestRate)
{
}

void ClampedRateCounter::onValue(std::int16_t aValue)
{
    const std::uint16_t value = static_cast<std::uint16_t>(aValue);
    const float rate = (static_cast<float>(value) - static_cast<float>(myLastValue)) /
                       (static_cast<float>(myPreviousCount) + 1.0f);
    myRate = rate;
    if (rate < myLowestRate)
    {
        myRate = myLowestRate;
    }
    else if (rate > myHighestRate)
    {
        myRate = myHighestRate;
    }
    myLastValue = value;
    myPreviousCount = myCount;
    myCount = 0;
}

std::int32_t ClampedRateCounter::estimate(std::uint16_t aMinimum, std::uint16_t aMaximum)
{
    ++myCount;
    float estimate = static_cast<float>(myLastValue) + myRate * static_cast<float>(myCount);
    if (estimate < 0.0f)
    {
        estimate = 0.0f;
    }
    // Kept within 16 bits before the conversion, which is undefined beyond them.
    const float largest = static_cast<float>(std::numeric_limits<std::uint16_t>::max());
    std::uint16_t value = static_cast<std::uint16_t>(std::trunc(std::fmin(estimate, largest)));
    if (value < aMinimum)
    {
        value = aMinimum;
    }
    else if (value > aMaximum)
    {
        value = aMaximum;
    }
    return value;
}
