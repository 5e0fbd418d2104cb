#include "Models/Unit/BcdRateCounter.h"

#include <cmath>
#include <limits>

unsigned BcdRateCounter::decimal(std::uint16_t aValue)
{
    const unsigned low = aValue & 0xFF;
    return (low >> 4) * 10 + (low & 0x0F);
}

std::uint16_t BcdRateCounter::packed(unsigned aDecimal)
{
    // Only the low byte is a frame number; the high byte stays 0.
    return static_cast<std::uint16_t>((((aDecimal / 10) << 4) | (aDecimal % 10)) & 0xFF);
}

void BcdRateCounter::onValue(std::int16_t aValue)
{
    const std::uint16_t value = static_cast<std::uint16_t>(aValue);
    const float newDecimal = static_cast<float>(decimal(value));
    const float oldDecimal = static_cast<float>(decimal(myLastValue));
    const float rate = (newDecimal - oldDecimal) / (static_cast<float>(myPreviousCount) + 1.0f);
    if (rate >= 0.0f)
    {
        myRate = rate;
    }
    myLastValue = value;
    myPreviousCount = myCount;
    myCount = 0;
    myEstimate = newDecimal;
}

std::int32_t BcdRateCounter::estimate(std::uint16_t aMinimum, std::uint16_t aMaximum)
{
    myEstimate += myRate;
    ++myCount;
    // Kept within 16 bits before the conversion, which is undefined beyond them.
    const float largest = static_cast<float>(std::numeric_limits<std::uint16_t>::max());
    unsigned value = static_cast<unsigned>(std::trunc(std::fmin(myEstimate, largest)));
    const unsigned lowest = decimal(aMinimum);
    const unsigned highest = decimal(aMaximum);
    if (value < lowest)
    {
        value = lowest;
    }
    else if (value > highest)
    {
        // Wraps by the span itself, not the span plus one.
        value -= highest - lowest;
        myEstimate = static_cast<float>(value);
    }
    return packed(value);
}
