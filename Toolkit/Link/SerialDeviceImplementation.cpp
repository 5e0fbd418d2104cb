#include "Toolkit/Link/SerialDeviceImplementation.h"

std::uint32_t SerialDeviceImplementation::readBlock(unsigned char* aBuffer, std::uint32_t aCount)
{
    return read(aBuffer, aCount);
}

bool SerialDeviceImplementation::isGone() const
{
    return false;
}

void SerialDeviceImplementation::drain()
{
}
