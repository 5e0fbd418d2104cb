#include "Tessiva/DeviceKey.h"

#include <ostream>

DeviceKey::DeviceKey(std::uint32_t aPort, std::uint32_t anAddress)
    : myPort(aPort), myAddress(anAddress)
{
}

bool DeviceKey::operator<(const DeviceKey& anOther) const
{
    return myPort < anOther.myPort || (myPort == anOther.myPort && myAddress < anOther.myAddress);
}

bool DeviceKey::operator==(const DeviceKey& anOther) const
{
    return myPort == anOther.myPort && myAddress == anOther.myAddress;
}

std::ostream& operator<<(std::ostream& aStream, const DeviceKey& aKey)
{
    if (aKey.port() == 0)
    {
        return aStream << "(Offline " << aKey.address() << ")";
    }
    aStream << "(COM" << aKey.port() << ", ";
    // The address is always hexadecimal, but whatever the caller writes next
    // must not turn hexadecimal with it.
    const std::ios_base::fmtflags base = aStream.flags() & std::ios_base::basefield;
    aStream << std::hex << aKey.address();
    aStream.setf(base, std::ios_base::basefield);
    return aStream << ")";
}
