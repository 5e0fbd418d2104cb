#include "Toolkit/Link/Win32SerialPort.h"

#include "Toolkit/Parameter/VornaException.h"

#include <cstddef>
#include <string>

Win32SerialPort::Win32SerialPort(std::uint32_t aPortNumber, const Platform::LineSettings& aSettings)
{
    open(aPortNumber, aSettings);
}

Win32SerialPort::~Win32SerialPort()
{
    myOpenCount = 0;
    close();
}

void Win32SerialPort::open(std::uint32_t aPortNumber, const Platform::LineSettings& aSettings)
{
    if (myOpenCount > 0)
    {
        if (aSettings != myHandle->lineSettings())
        {
            throw VornaException("Tried to re-open a port at a different baud rate.");
        }
        ++myOpenCount;
        return;
    }
    myFailedSettings = aSettings;
    const std::string name = "COM" + std::to_string(aPortNumber);
    auto line = std::make_unique<Platform::SerialLine>();
    if (!line->open(Platform::SerialLine::devicePath(aPortNumber)))
    {
        myHandle.reset();
        throw VornaException("Error opening " + name);
    }
    myHandle = std::move(line);
    try
    {
        configure(aSettings);
    }
    catch (...)
    {
        // A line that could not be set up is given back, so that the next open
        // of this port can take it.
        myHandle.reset();
        throw;
    }
    myFailedSettings = Platform::LineSettings();
    myOpenCount = 1;
}

void Win32SerialPort::configure(const Platform::LineSettings& aSettings)
{
    if (!myHandle->loadSettings())
    {
        throw VornaException("error getting the serial port state");
    }
    if (!myHandle->applySettings(aSettings))
    {
        throw VornaException("Error setting the serial port state.");
    }
}

void Win32SerialPort::close()
{
    if (myOpenCount > 0)
    {
        --myOpenCount;
    }
    if (myOpenCount == 0 && myHandle)
    {
        release();
    }
}

void Win32SerialPort::release()
{
    myHandle.reset();
}

bool Win32SerialPort::isOpen(Platform::LineSettings* aSettings) const
{
    if (aSettings != nullptr)
    {
        *aSettings = myOpenCount > 0 ? myHandle->lineSettings() : myFailedSettings;
    }
    return myOpenCount > 0;
}

void Win32SerialPort::setTimeouts(std::uint32_t aMilliseconds)
{
    if (!myHandle || !myHandle->setReadTimeout(aMilliseconds))
    {
        throw VornaException("Error setting the serial port timeouts.");
    }
}

void Win32SerialPort::write(const unsigned char* aBytes, std::uint32_t aCount)
{
    if (!myHandle || !myHandle->write(aBytes, aCount))
    {
        throw VornaException("Error sending serial data.");
    }
}

bool Win32SerialPort::isGone() const
{
    return myHandle && myHandle->isGone();
}

void Win32SerialPort::drain()
{
    if (myHandle)
    {
        myHandle->drain();
    }
}

std::uint32_t Win32SerialPort::read(unsigned char* aBuffer, std::uint32_t aCount)
{
    if (!myHandle)
    {
        return 0;
    }
    return static_cast<std::uint32_t>(myHandle->read(aBuffer, aCount));
}

std::uint32_t Win32SerialPort::readBlock(unsigned char* aBuffer, std::uint32_t aCount)
{
    if (!myHandle)
    {
        return 0;
    }
    return static_cast<std::uint32_t>(myHandle->readBlock(aBuffer, aCount));
}
