#pragma once

#include <cstdint>
#include <string>

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
