#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads a fuzz input front to back: the choices a target makes, then what its
// line or file plays. Past the end every read gives zeros or nothing, so any
// input is a whole test case.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* aData, std::size_t aSize) : myData(aData), mySize(aSize) {}

    std::uint8_t byte() { return myAt < mySize ? myData[myAt++] : 0; }
    // High byte first.
    std::uint16_t word()
    {
        const unsigned high = byte();
        return static_cast<std::uint16_t>((high << 8) | byte());
    }
    // Up to aCount bytes, fewer at the end.
    std::string bytes(std::size_t aCount);
    // A length byte and that many bytes.
    std::string text() { return bytes(byte()); }
    // Everything up to the next 0 byte, which is taken too.
    std::string untilZero();
    std::string rest() { return bytes(mySize - myAt); }

private:
    const std::uint8_t* myData;
    std::size_t mySize;
    std::size_t myAt = 0;
};
