#pragma once

// Packed BCD on the low byte of a 16-bit value: the tens digit in the high
// nibble, the units digit in the low nibble (23 is 0x23).
class Bcd
{
public:
    // No digit is checked: 0x1F gives 25.
    static int fromBcd(int aValue);
    // aNumber is taken as a signed byte; division truncates toward zero, so
    // -1 gives 0xFF, which no time-code field accepts.
    static int toBcd(int aNumber);
};
