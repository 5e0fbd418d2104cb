#include "tests/Pellora/PtySerialLine.h"

#include "Toolkit/Parameter/VornaException.h"

#include <stdexcept>

PtySerialLine::PtySerialLine(const std::string& aDevicePath, unsigned aBaudRate)
{
    if (!myLine.open(aDevicePath) || !myLine.loadSettings() || !myLine.applySettings(Platform::LineSettings(aBaudRate)))
    {
        throw std::runtime_error("cannot open " + aDevicePath);
    }
}

PtySerialLine::~PtySerialLine()
{
    myLine.close();
}

void PtySerialLine::setTimeouts(std::uint32_t aMilliseconds)
{
    if (!myLine.setReadTimeout(aMilliseconds))
    {
        throw VornaException("Error setting the serial port timeouts.");
    }
}

void PtySerialLine::write(const unsigned char* aBytes, std::uint32_t aCount)
{
    if (!myLine.write(aBytes, aCount))
    {
        throw VornaException("Error sending serial data.");
    }
}

std::uint32_t PtySerialLine::read(unsigned char* aBuffer, std::uint32_t aCount)
{
    return static_cast<std::uint32_t>(myLine.read(aBuffer, aCount));
}

std::uint32_t PtySerialLine::readBlock(unsigned char* aBuffer, std::uint32_t aCount)
{
    return static_cast<std::uint32_t>(myLine.readBlock(aBuffer, aCount));
}
