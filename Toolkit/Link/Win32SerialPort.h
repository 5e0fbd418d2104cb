#pragma once

#include "Toolkit/Link/SerialDeviceImplementation.h"

#include <cstdint>
#include <memory>

namespace Platform
{
class SerialLine;
}

// One COM port, shared by every device on its line: each user opens it once
// and closes it once; the line is released when the last one closes.
//
// Copies share the line they were made from and each holds it until it is
// closed or destroyed, so no copy ever releases the line twice or under
// another copy's feet.
class Win32SerialPort : public SerialDeviceImplementation
{
public:
    Win32SerialPort() = default;
    // Opens the port at once (throws as open does).
    Win32SerialPort(std::uint32_t aPortNumber, std::uint32_t aBaudRate);
    Win32SerialPort(const Win32SerialPort& anOther);
    Win32SerialPort& operator=(const Win32SerialPort& anOther);
    // Releases the line whatever the open count.
    virtual ~Win32SerialPort();

    // Opens "COMn" at aBaudRate, or counts one more user when it is already
    // open at that rate. Throws VornaException.
    void open(std::uint32_t aPortNumber, std::uint32_t aBaudRate);
    // Gives one opening back.
    void close();
    // Stores the baud rate field through aBaudRate when it is not nullptr (0 when
    // closed, or the rate of the last failed open); true while opened.
    bool isOpen(std::uint32_t* aBaudRate) const;

    void setTimeouts(std::uint32_t aMilliseconds) override;
    void write(const unsigned char* aBytes, std::uint32_t aCount) override;
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) override;
    std::uint32_t readBlock(unsigned char* aBuffer, std::uint32_t aCount) override;

private:
    void configure();
    void release();

    std::uint32_t myBaudRate = 0;
    std::uint32_t myOpenCount = 0;
    std::shared_ptr<Platform::SerialLine> myHandle;
};
