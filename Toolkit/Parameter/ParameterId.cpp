#include "Toolkit/Parameter/ParameterId.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/VornaException.h"

#include <cstdio>
#include <istream>
#include <ostream>

namespace
{
signed char lowByte(int aValue)
{
    return static_cast<signed char>(static_cast<unsigned char>(aValue & 0xFF));
}

bool failed(const std::ios& aStream)
{
    return aStream.fail() || aStream.bad();
}
}

ParameterId::ParameterId(int aGroup, int anIndex)
    : myGroup(lowByte(aGroup)), myIndex(lowByte(anIndex))
{
}

ParameterId ParameterId::previous() const
{
    return ParameterId(myGroup - 1, myIndex);
}

ParameterId ParameterId::next() const
{
    return ParameterId(myGroup + 1, myIndex);
}

bool ParameterId::operator<(const ParameterId& anOther) const
{
    if (myGroup != anOther.myGroup)
    {
        return myGroup < anOther.myGroup;
    }
    return myIndex < anOther.myIndex;
}

bool ParameterId::operator==(const ParameterId& anOther) const
{
    return myGroup == anOther.myGroup && myIndex == anOther.myIndex;
}

bool ParameterId::operator!=(const ParameterId& anOther) const
{
    return !(*this == anOther);
}

bool ParameterId::lessGroup(const ParameterId& anOther) const
{
    return myGroup < anOther.myGroup;
}

void ParameterId::appendTo(ByteString* aString) const
{
    VORNA_ASSERT(aString != NULL);
    aString->push_back(static_cast<unsigned char>(myGroup));
    aString->push_back(static_cast<unsigned char>(myIndex));
}

void ParameterId::appendAround(ByteString* aString, unsigned char aByte) const
{
    VORNA_ASSERT(aString != NULL);
    aString->push_back(static_cast<unsigned char>(myGroup));
    aString->push_back(aByte);
    aString->push_back(static_cast<unsigned char>(myIndex));
}

void ParameterId::appendIndexTo(ByteString* aString) const
{
    VORNA_ASSERT(aString != NULL);
    aString->push_back(static_cast<unsigned char>(myIndex));
}

void ParameterId::save(std::ostream& aStream, std::uint32_t* aChecksum) const
{
    VORNA_ASSERT(aChecksum != NULL);
    aStream.put(static_cast<char>(myGroup));
    if (failed(aStream))
    {
        throw VornaException("Error saving a parameter id");
    }
    aStream.put(static_cast<char>(myIndex));
    if (failed(aStream))
    {
        throw VornaException("Error saving a parameter id");
    }
    // Signed bytes: 0xF8 adds -8 (the conversion wraps modulo 2^32).
    *aChecksum += static_cast<std::uint32_t>(static_cast<std::int32_t>(myGroup));
    *aChecksum += static_cast<std::uint32_t>(static_cast<std::int32_t>(myIndex));
}

bool ParameterId::restore(std::istream& aStream, std::uint32_t* aChecksum)
{
    VORNA_ASSERT(aChecksum != NULL);
    if (aStream.eof())
    {
        return false;
    }
    char byte = 0;
    if (!aStream.get(byte))
    {
        return false;
    }
    myGroup = static_cast<signed char>(byte);
    *aChecksum += static_cast<std::uint32_t>(static_cast<std::int32_t>(myGroup));
    if (!aStream.get(byte))
    {
        throw VornaException("Error restoring a parameter id");
    }
    myIndex = static_cast<signed char>(byte);
    *aChecksum += static_cast<std::uint32_t>(static_cast<std::int32_t>(myIndex));
    return true;
}

std::ostream& operator<<(std::ostream& aStream, const ParameterId& anId)
{
    char text[32];
    std::snprintf(text, sizeof text, "(%x, %d)",
                  static_cast<unsigned int>(static_cast<int>(anId.group())),
                  static_cast<int>(anId.index()));
    return aStream << text;
}
