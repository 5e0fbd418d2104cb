#include "Toolkit/Parameter/ParameterValue.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/VornaException.h"

#include <istream>
#include <limits>
#include <ostream>

namespace
{
bool failed(const std::ios& aStream)
{
    return aStream.fail() || aStream.bad();
}

std::uint32_t signedByte(unsigned char aByte)
{
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(aByte)));
}
}

ParameterValue::ParameterValue()
{
}

ParameterValue::ParameterValue(std::int32_t aValue)
{
    push_back(static_cast<unsigned char>((aValue >> 8) & 0xFF));
    push_back(static_cast<unsigned char>(aValue & 0xFF));
}

ParameterValue::ParameterValue(const std::string& aText)
    : ByteString(aText.begin(), aText.end())
{
}

ParameterValue::ParameterValue(const ByteString& aBytes)
    : ByteString(aBytes)
{
}

std::int16_t ParameterValue::toShort() const
{
    return static_cast<std::int16_t>(toUnsignedShort());
}

std::uint16_t ParameterValue::toUnsignedShort() const
{
    std::uint32_t result = 0;
    for (unsigned char byte : *this)
    {
        result = ((result & 0xFF) << 8) | byte;
    }
    return static_cast<std::uint16_t>(result);
}

std::string ParameterValue::toString() const
{
    return std::string(begin(), end());
}

void ParameterValue::appendTo(ByteString* aString) const
{
    VORNA_ASSERT(aString != NULL);
    if (size() != 2)
    {
        aString->push_back(static_cast<unsigned char>(size() & 0xFF));
    }
    aString->append(*this);
}

ParameterValue ParameterValue::maximum()
{
    return ParameterValue(32767);
}

ParameterValue ParameterValue::minimum()
{
    return ParameterValue(-32768);
}

void ParameterValue::save(std::ostream& aStream, std::uint32_t* aChecksum) const
{
    VORNA_ASSERT(aChecksum != NULL);
    const std::uint32_t length = static_cast<std::uint32_t>(size());
    const char lengthBytes[4] = {
        static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
        static_cast<char>((length >> 16) & 0xFF), static_cast<char>((length >> 24) & 0xFF)};
    aStream.write(lengthBytes, sizeof lengthBytes);
    if (failed(aStream))
    {
        throw VornaException("Error saving a parameter value.");
    }
    *aChecksum += length;
    for (unsigned char byte : *this)
    {
        aStream.put(static_cast<char>(byte));
        if (failed(aStream))
        {
            throw VornaException("Error saving a parameter value.");
        }
        *aChecksum += signedByte(byte);
    }
}

bool ParameterValue::restore(std::istream& aStream, std::uint32_t* aChecksum)
{
    return restore(aStream, aChecksum, std::numeric_limits<std::uint64_t>::max());
}

bool ParameterValue::restore(std::istream& aStream, std::uint32_t* aChecksum, std::uint64_t aLimit)
{
    VORNA_ASSERT(aChecksum != NULL);
    clear();
    unsigned char lengthBytes[4];
    if (!aStream.read(reinterpret_cast<char*>(lengthBytes), sizeof lengthBytes))
    {
        throw VornaException("Error restoring a parameter value.");
    }
    const std::uint32_t length = static_cast<std::uint32_t>(lengthBytes[0])
        | (static_cast<std::uint32_t>(lengthBytes[1]) << 8)
        | (static_cast<std::uint32_t>(lengthBytes[2]) << 16)
        | (static_cast<std::uint32_t>(lengthBytes[3]) << 24);
    *aChecksum += length;
    if (length > aLimit)
    {
        throw VornaException("Error restoring a parameter value.");
    }
    restoreBytes(aStream, length, aChecksum);
    if (size() != length)
    {
        throw VornaException("Error restoring a parameter value.");
    }
    return true;
}

bool ParameterValue::restoreBytes(std::istream& aStream, std::uint32_t aCount, std::uint32_t* aChecksum)
{
    VORNA_ASSERT(aChecksum != NULL);
    // The count comes from the file: read what is really there, a block at a
    // time, and never reserve room for what is only claimed.
    char block[4096];
    std::uint32_t remaining = aCount;
    while (remaining > 0)
    {
        const std::uint32_t wanted = remaining < sizeof block ? remaining : static_cast<std::uint32_t>(sizeof block);
        aStream.read(block, wanted);
        const std::streamsize got = aStream.gcount();
        for (std::streamsize i = 0; i < got; ++i)
        {
            const unsigned char byte = static_cast<unsigned char>(block[i]);
            push_back(byte);
            *aChecksum += signedByte(byte);
        }
        remaining -= static_cast<std::uint32_t>(got);
        if (static_cast<std::uint32_t>(got) < wanted)
        {
            return false;
        }
    }
    return true;
}
