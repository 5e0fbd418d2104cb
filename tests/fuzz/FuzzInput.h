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

// What a reproducer or seed begins with: the choices, written as a target reads them.
class FuzzOutput
{
public:
    FuzzOutput& byte(std::uint8_t aByte) { myBytes += static_cast<char>(aByte); return *this; }
    FuzzOutput& word(std::uint16_t aWord) { return byte(aWord >> 8).byte(aWord & 0xFF); }
    FuzzOutput& text(const std::string& aText);
    FuzzOutput& zeroEnded(const std::string& aText) { myBytes += aText; return byte(0); }
    FuzzOutput& raw(const std::string& aBytes) { myBytes += aBytes; return *this; }
    const std::string& bytes() const { return myBytes; }

private:
    std::string myBytes;
};
