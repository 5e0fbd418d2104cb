#pragma once

#include "tests/fuzz/VirtualTime.h"

#include "Toolkit/Link/SerialDeviceImplementation.h"

#include <cstdint>
#include <deque>
#include <string>

// An in-memory serial line that plays what a fuzz input says the unit sends.
// The input is a series of records, each led by a kind byte (taken modulo 4):
//
//     0 n <n bytes>   bytes as they are
//     1 n <n bytes>   a frame of the n data bytes: STX, length, data, a right checksum
//     2               a silence: the read that meets it ends short
//     3               the next write fails as a broken port's does
//
// so that mutations of a recorded conversation keep its frames whole. After the
// last record the line is silent. A read that ends short moves the virtual
// time on by the read time-out. Everything written is kept.
class PlayedLine : public SerialDeviceImplementation
{
public:
    PlayedLine(const std::string& aRecords, VirtualTime& aTime);

    void setTimeouts(std::uint32_t aMilliseconds) override;
    void write(const unsigned char* aBytes, std::uint32_t aCount) override;
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) override;

    const std::string& written() const { return myWritten; }

private:
    enum Event
    {
        silence = -1,
        writeFailure = -2
    };

    std::deque<int> myEvents;
    std::string myWritten;
    std::uint32_t myTimeout = 0;
    VirtualTime& myTime;
};
