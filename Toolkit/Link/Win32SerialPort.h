#pragma once

#include "Platform/LineSettings.h"
#include "Platform/SerialLine.h"
#include "Toolkit/Link/SerialDeviceImplementation.h"

#include <cstdint>
#include <memory>

// One COM port, shared by every device on its line: each user opens it once
// and closes it once; the line is released when the last one closes.
//
// A port cannot be copied: the users share the one object, and with it its
// open count.
class Win32SerialPort : public SerialDeviceImplementation
{
public:
    Win32SerialPort() = default;
    // Opens the port at once (throws as open does).
    Win32SerialPort(std::uint32_t aPortNumber, const Platform::LineSettings& aSettings);
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;
    // Releases the line whatever the open count.
    virtual ~Win32SerialPort();

    // Opens "COMn" set to aSettings, or counts one more user when it is
    // already open with those settings. Throws VornaException.
    void open(std::uint32_t aPortNumber, const Platform::LineSettings& aSettings);
    // Gives one opening back.
    void close();
    // Stores the line's settings through aSettings when it is not nullptr (no
    // rate when closed, or those of the last failed open); true while opened.
    bool isOpen(Platform::LineSettings* aSettings) const;

    void setTimeouts(std::uint32_t aMilliseconds) override;
    bool isGone() const override;
    void drain() override;
    void write(const unsigned char* aBytes, std::uint32_t aCount) override;
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) override;
    std::uint32_t readBlock(unsigned char* aBuffer, std::uint32_t aCount) override;

private:
    void configure(const Platform::LineSettings& aSettings);
    void release();

    // The open line keeps its own settings; these are only those of the last
    // open that failed, for isOpen to report.
    Platform::LineSettings myFailedSettings;
    std::uint32_t myOpenCount = 0;
    std::unique_ptr<Platform::SerialLine> myHandle;
};
