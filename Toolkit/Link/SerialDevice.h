#pragma once

#include <cstdint>

class SerialDeviceImplementation;

// The byte pipe that frames and the serial-line protocol talk through: a
// bridge that forwards every call to its implementation, which it does not own.
class SerialDevice
{
public:
    explicit SerialDevice(SerialDeviceImplementation* anImplementation);

    void setTimeouts(std::uint32_t aMilliseconds);
    void write(const unsigned char* aBytes, std::uint32_t aCount);
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount);
    // A read that also allows aCount bytes their time on the wire.
    std::uint32_t readBlock(unsigned char* aBuffer, std::uint32_t aCount);
    // No answer can come: the device went away and is not back.
    bool isGone() const;
    // Waits until what was written has (all but) left: a writer that wants to
    // look at something once more before the next bytes go out.
    void drain();

private:
    SerialDeviceImplementation* myImplementation;
};
