#pragma once

#include "Platform/SerialLine.h"
#include "Toolkit/Link/SerialDeviceImplementation.h"

#include <cstdint>
#include <string>

// A serial port on a device path of our choosing (the emulator's
// pseudo-terminal), so that tests need no port mapping in a profile.
class PtySerialLine : public SerialDeviceImplementation
{
public:
    // Throws std::runtime_error when the line cannot be opened.
    explicit PtySerialLine(const std::string& aDevicePath, unsigned aBaudRate = 38400);
    ~PtySerialLine();

    std::uint32_t timeout() const { return myLine.readTimeout(); }

    void setTimeouts(std::uint32_t aMilliseconds) override;
    void write(const unsigned char* aBytes, std::uint32_t aCount) override;
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) override;
    std::uint32_t readBlock(unsigned char* aBuffer, std::uint32_t aCount) override;
    bool isGone() const override { return myLine.isGone(); }
    void drain() override { myLine.drain(); }

private:
    Platform::SerialLine myLine;
};
