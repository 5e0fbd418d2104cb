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
    // As read, for a block that the other end sends in one go: the read
    // time-out is lengthened by the time aCount bytes take on the wire at the
    // line's baud rate. A pipe without a baud rate reads as read does.
    virtual std::uint32_t readBlock(unsigned char* aBuffer, std::uint32_t aCount);
    // The device behind the pipe went away and could not be opened again, so
    // that no answer can come; a pipe that cannot tell says false.
    virtual bool isGone() const;
    // Waits until the bytes written so far have (all but) left the line; a
    // pipe without a wire returns at once.
    virtual void drain();

protected:
    // Implementations are destroyed through their own types, never through
    // this interface.
    ~SerialDeviceImplementation() = default;
};
