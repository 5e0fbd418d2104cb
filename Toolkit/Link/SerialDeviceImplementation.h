#pragma once

#include <cstdint>

// What a byte pipe to the units offers: a read time-out, writes and reads.
// The serial port is the one implementation; tests supply others.
class SerialDeviceImplementation
{
public:
    // The total time a read may wait for its count to arrive.
    virtual void setTimeouts(std::uint32_t aMilliseconds) = 0;
    // Sends every byte or throws VornaException.
    virtual void write(const unsigned char* aBytes, std::uint32_t aCount) = 0;
    // Returns how many bytes arrived within the read time-out (0 when none).
    virtual std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) = 0;

protected:
    // Implementations are destroyed through their own types, never through
    // this interface.
    ~SerialDeviceImplementation();
};
