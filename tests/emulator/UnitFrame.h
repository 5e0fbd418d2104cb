#pragma once

// The unit's own view of the checksummed frames on the line, written from the
// byte layout alone so that it checks the program's frame code independently:
//
//     [0x02][L][L data bytes][checksum]
//
// The checksum makes the length byte, the data bytes and itself add up to 0
// modulo 256. The data of every frame start with one group byte; a value
// message then holds entries [index][high][low] for 2-byte values and
// [0xFF][index][n][n bytes] for values of any other length.

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace Emulator
{
using Bytes = std::vector<uint8_t>;
using ParameterKey = std::pair<uint8_t, uint8_t>; // group byte, index byte
using ParameterMap = std::map<ParameterKey, Bytes>;
using ValueEntry = std::pair<uint8_t, Bytes>;     // index byte, value

class UnitFrame
{
public:
    static constexpr uint8_t stx = 0x02;
    static constexpr uint8_t extended = 0xFF;
    static constexpr std::size_t maximumData = 255;

    // 0 minus the sum of the length byte and the data bytes, modulo 256.
    static uint8_t checksum(const Bytes& aData);

    // The whole frame for the data bytes (at most 255 of them).
    static Bytes encode(const Bytes& aData);

    // True for a complete frame whose length and checksum are right.
    static bool isIntact(const Bytes& aFrame);

    // The data bytes of a frame that is at least complete in length.
    static Bytes data(const Bytes& aFrame);

    // The data of a value message for one group. Entries that would take the
    // data past 255 bytes are left out, and values longer than 255 bytes are cut.
    static Bytes encodeValues(uint8_t aGroup, const std::vector<ValueEntry>& someEntries);

    // Reads the entries of a value message (the data after the group byte).
    // True only when the bytes form whole entries with none left over.
    static bool decodeValues(const Bytes& aData, std::vector<ValueEntry>& someEntries);
};
}
