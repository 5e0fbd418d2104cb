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
    // The address is always hexadecimal, and the stream stays so afterwards.
    return aStream << "(COM" << aKey.port() << ", " << std::hex << aKey.address() << ")";
}
