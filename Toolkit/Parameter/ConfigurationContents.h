#pragma once

#include "Toolkit/Parameter/ParameterValue.h"

#include <cstdint>
#include <iosfwd>

// The records of a configuration file, read and verified whole (count,
// records, checksum) before anything is applied. Throws VornaException for a
// missing count or checksum, a broken record or a wrong checksum.
class ConfigurationContents : public ParameterValueMap
{
public:
    // The longest value a record may hold: far beyond what any parameter
    // takes, and small enough that a file claiming more is refused before its
    // bytes are read.
    static constexpr std::uint32_t MaximumValueLength = 64 * 1024;

    explicit ConfigurationContents(std::istream& aStream);

    // The unsigned 32-bit little-endian number of a file; false when the stream ends first.
    [[nodiscard]] static bool readNumber(std::istream& aStream, std::uint32_t* aNumber);
    static void writeNumber(std::ostream& aStream, std::uint32_t aNumber);

    // The reading step of the constructor, on an empty map.
    void read(std::istream& aStream);
};
