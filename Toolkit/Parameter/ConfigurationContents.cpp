#include "Toolkit/Parameter/ConfigurationContents.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/VornaException.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <ostream>

namespace
{
bool failed(const std::ios& aStream)
{
    return aStream.fail() || aStream.bad();
}

const std::uint64_t theUnknownSize = std::numeric_limits<std::uint64_t>::max();
// The length field that stands before a record's value bytes.
const std::uint64_t theLengthSize = 4;

// Where the stream ends, when it can tell (a file can, a pipe cannot).
std::istream::pos_type endOf(std::istream& aStream)
{
    const std::istream::pos_type here = aStream.tellg();
    if (here == std::istream::pos_type(-1))
    {
        return here;
    }
    aStream.seekg(0, std::ios::end);
    const std::istream::pos_type end = aStream.fail() ? std::istream::pos_type(-1) : aStream.tellg();
    aStream.clear(aStream.rdstate() & ~std::ios::failbit);
    aStream.seekg(here);
    return end;
}

// How many bytes the stream still holds; unknown as the largest number.
std::uint64_t bytesLeft(std::istream& aStream, std::istream::pos_type anEnd)
{
    const std::istream::pos_type here = aStream.tellg();
    if (anEnd == std::istream::pos_type(-1) || here == std::istream::pos_type(-1) || here > anEnd)
    {
        return theUnknownSize;
    }
    return static_cast<std::uint64_t>(anEnd - here);
}
}

ConfigurationContents::ConfigurationContents(std::istream& aStream)
{
    read(aStream);
}

bool ConfigurationContents::readNumber(std::istream& aStream, std::uint32_t* aNumber)
{
    VORNA_ASSERT(aNumber != NULL);
    unsigned char bytes[4] = {0, 0, 0, 0};
    aStream.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    *aNumber = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8)
        | (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
    return !failed(aStream);
}

void ConfigurationContents::writeNumber(std::ostream& aStream, std::uint32_t aNumber)
{
    const char bytes[4] = {static_cast<char>(aNumber & 0xFF), static_cast<char>((aNumber >> 8) & 0xFF),
                           static_cast<char>((aNumber >> 16) & 0xFF), static_cast<char>((aNumber >> 24) & 0xFF)};
    aStream.write(bytes, sizeof bytes);
}

void ConfigurationContents::read(std::istream& aStream)
{
    std::uint32_t count = 0;
    if (!readNumber(aStream, &count))
    {
        throw VornaException("Error reading the parameter count.");
    }
    std::uint32_t checksum = count;
    // Nor is a record's length: one longer than what is left fails at once.
    const std::istream::pos_type end = endOf(aStream);
    // The count is not trusted either: the records end where the data ends.
    for (std::uint32_t record = 0; record < count; ++record)
    {
        if (aStream.eof())
        {
            break;
        }
        ParameterId id;
        if (!id.restore(aStream, &checksum))
        {
            break;
        }
        ParameterValue value;
        const std::uint64_t left = bytesLeft(aStream, end);
        const std::uint64_t limit = std::min<std::uint64_t>(left < theLengthSize ? 0 : left - theLengthSize,
                                                            MaximumValueLength);
        if (!value.restore(aStream, &checksum, limit))
        {
            throw VornaException("Error restoring a parameter value.");
        }
        (*this)[id] = value;
    }
    std::uint32_t stored = 0;
    if (!readNumber(aStream, &stored))
    {
        throw VornaException("Error reading the checksum.");
    }
    if (stored != checksum)
    {
        throw VornaException("The checksum does not match.");
    }
}
