#pragma once

#include <cstdint>
#include <memory>

class AbstractProtocol;
class Protocol;
class RetryProtocolDecorator;
class SerialDevice;
class SerialDeviceImplementation;
class SmpteProtocol;
class WaitCursorProtocolDecorator;

// The protocol stack of an on-line device, outermost first: wait cursor, retry
// (5 attempts), Protocol, the serial-line protocol at the device address, the
// serial device over the port. It owns every layer but the port.
class OnlineProtocolStack
{
public:
    enum Line
    {
        unitLine,  // the serial-line protocol as it is
        kq310Line  // with the KQ310's pause after every write
    };

    static constexpr std::uint32_t attempts = 5;

    // Sets the line's read time-out and drains it once. A layer that fails to
    // build takes the ones built before it away with it.
    OnlineProtocolStack(SerialDeviceImplementation* aPort, std::uint16_t aDeviceAddress, Line aLine);
    ~OnlineProtocolStack();

    // The layer that the parameter table talks to.
    AbstractProtocol* outermost() const;

private:
    OnlineProtocolStack(const OnlineProtocolStack&) = delete;
    OnlineProtocolStack& operator=(const OnlineProtocolStack&) = delete;

    std::unique_ptr<SerialDevice> mySerialDevice;
    std::unique_ptr<SmpteProtocol> mySerialProtocol;
    std::unique_ptr<Protocol> myProtocol;
    std::unique_ptr<RetryProtocolDecorator> myRetryLayer;
    std::unique_ptr<WaitCursorProtocolDecorator> myWaitCursorLayer;
};
