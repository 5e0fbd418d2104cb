#pragma once

#include <cstdint>
#include <iosfwd>

// Names one open device everywhere in the user interface: (COM number, bus
// address) on line, (0, n) off line, where n counts the document's off-line
// openings and is never reused.
class DeviceKey
{
public:
    DeviceKey(std::uint32_t aPort, std::uint32_t anAddress);

    std::uint32_t port() const { return myPort; }
    std::uint32_t address() const { return myAddress; }

    // Port first, then address.
    bool operator<(const DeviceKey& anOther) const;
    bool operator==(const DeviceKey& anOther) const;
    bool operator!=(const DeviceKey& anOther) const { return !(*this == anOther); }

private:
    std::uint32_t myPort;
    std::uint32_t myAddress;
};

// The port description that goes into a device tab's label: "(Offline n)" or
// "(COMn, address in hexadecimal)". Port and counter follow the stream's own
// number base; an on-line key leaves the stream in hexadecimal.
std::ostream& operator<<(std::ostream& aStream, const DeviceKey& aKey);
