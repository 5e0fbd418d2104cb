#include "Toolkit/Controls/Bcd.h"

#include <cstdint>

int Bcd::fromBcd(int aValue)
{
    return ((aValue >> 4) & 15) * 10 + (aValue & 15);
}

int Bcd::toBcd(int aNumber)
{
    const int number = static_cast<std::int8_t>(static_cast<std::uint8_t>(aNumber & 0xFF));
    return (((number / 10) << 4) | (number % 10)) & 0xFF;
}
