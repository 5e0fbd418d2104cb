#include "Toolkit/Link/SerialDevice.h"

#include "Platform/Assertion.h"
#include "Toolkit/Link/SerialDeviceImplementation.h"

#include <cstddef>

SerialDevice::SerialDevice(SerialDeviceImplementation* anImplementation)
    : myImplementation(anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
}

void SerialDevice::setTimeouts(std::uint32_t aMilliseconds)
{
    myImplementation->setTimeouts(aMilliseconds);
}

void SerialDevice::write(const unsigned char* aBytes, std::uint32_t aCount)
{
    myImplementation->write(aBytes, aCount);
}

std::uint32_t SerialDevice::read(unsigned char* aBuffer, std::uint32_t aCount)
{
    return myImplementation->read(aBuffer, aCount);
}

std::uint32_t SerialDevice::readBlock(unsigned char* aBuffer, std::uint32_t aCount)
{
    return myImplementation->readBlock(aBuffer, aCount);
}

bool SerialDevice::isGone() const
{
    return myImplementation->isGone();
}

void SerialDevice::drain()
{
    myImplementation->drain();
}
