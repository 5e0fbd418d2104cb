#pragma once

#include "Toolkit/Parameter/ByteString.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>

// A parameter's value as a byte string. An integer is two bytes, most
// significant first; a text is its characters. Equality is byte equality.
class ParameterValue : public ByteString
{
public:
    // The empty value.
    ParameterValue();
    // Only the low 16 bits of the integer count.
    ParameterValue(std::int32_t aValue);
    ParameterValue(const std::string& aText);
    explicit ParameterValue(const ByteString& aBytes);

    // The integer view: every byte folded in, so only the last two count.
    std::int16_t toShort() const;
    std::uint16_t toUnsignedShort() const;
    std::string toString() const;

    // Message form: a two-byte value as it is, any other as a length byte
    // followed by its bytes.
    void appendTo(ByteString* aString) const;

    // The widest limits: every value lies within them.
    static ParameterValue maximum();
    static ParameterValue minimum();

    // Configuration file form: 32-bit little-endian length, then the bytes.
    // Length and signed bytes are added to *aChecksum. Throws VornaException
    // when the stream fails or ends early.
    void save(std::ostream& aStream, std::uint32_t* aChecksum) const;
    bool restore(std::istream& aStream, std::uint32_t* aChecksum);
    // The same, for a stream known to hold at most aLimit more bytes after the
    // length: a longer length fails at once, before a byte is read, so a
    // hostile length costs neither memory nor time.
    bool restore(std::istream& aStream, std::uint32_t* aChecksum, std::uint64_t aLimit);
    // Appends at most aCount bytes, stopping at the first failed read.
    bool restoreBytes(std::istream& aStream, std::uint32_t aCount, std::uint32_t* aChecksum);
};

// The values of several parameters, ordered by id: list answers, value stores
// and configuration contents.
using ParameterValueMap = std::map<ParameterId, ParameterValue>;
