#pragma once

#include "Toolkit/Parameter/ByteString.h"

#include <cstdint>
#include <iosfwd>
#include <vector>

// The key of every parameter: a group byte and an index byte, both signed.
// Ids order by group, then index; they go into files and messages as one byte each.
class ParameterId
{
public:
    // The id (0, 0).
    ParameterId() = default;
    // Only the low 8 bits of each argument count (0xF8 is the group -8).
    ParameterId(int aGroup, int anIndex);

    signed char group() const { return myGroup; }
    signed char index() const { return myIndex; }

    // A control parameter is written under the group before its own and read back
    // under its own; only the group byte changes, wrapping modulo 256.
    ParameterId previous() const;
    ParameterId next() const;

    bool operator<(const ParameterId& anOther) const;
    bool operator==(const ParameterId& anOther) const;
    bool operator!=(const ParameterId& anOther) const;
    // Compares the groups only, to bucket ids by group.
    bool lessGroup(const ParameterId& anOther) const;

    void appendTo(ByteString* aString) const;
    void appendAround(ByteString* aString, unsigned char aByte) const;
    void appendIndexTo(ByteString* aString) const;

    // Configuration file form: group byte, index byte; both added to *aChecksum
    // as signed bytes. Throws VornaException when the stream fails.
    void save(std::ostream& aStream, std::uint32_t* aChecksum) const;
    // False at an orderly end of data (nothing before the id); throws when the
    // data ends inside the id.
    bool restore(std::istream& aStream, std::uint32_t* aChecksum);

private:
    signed char myGroup = 0;
    signed char myIndex = 0;
};

// The requested ids of a list request, in order; duplicates stay.
using ParameterIdList = std::vector<ParameterId>;

// The id's text: "(%x, %d)" of the sign-extended group and index, e.g. (42, 5).
std::ostream& operator<<(std::ostream& aStream, const ParameterId& anId);
