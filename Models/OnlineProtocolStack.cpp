#include "Models/OnlineProtocolStack.h"

#include "Platform/Assertion.h"
#include "Toolkit/Link/Kq310SmpteProtocol.h"
#include "Toolkit/Link/RetryProtocolDecorator.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteProtocol.h"
#include "Toolkit/Link/WaitCursorProtocolDecorator.h"
#include "Toolkit/Parameter/Protocol.h"

namespace
{
std::unique_ptr<SmpteProtocol> makeSerialProtocol(std::uint16_t aDeviceAddress, SerialDevice* aDevice,
                                                  OnlineProtocolStack::Line aLine)
{
    if (aLine == OnlineProtocolStack::kq310Line)
    {
        return std::make_unique<Kq310SmpteProtocol>(aDeviceAddress, aDevice);
    }
    return std::make_unique<SmpteProtocol>(aDeviceAddress, aDevice);
}
}

OnlineProtocolStack::OnlineProtocolStack(SerialDeviceImplementation* aPort, std::uint16_t aDeviceAddress, Line aLine)
{
    VORNA_ASSERT(aPort != NULL);
    mySerialDevice = std::make_unique<SerialDevice>(aPort);
    mySerialProtocol = makeSerialProtocol(aDeviceAddress, mySerialDevice.get(), aLine);
    myProtocol = std::make_unique<Protocol>(mySerialProtocol.get());
    myRetryLayer = std::make_unique<RetryProtocolDecorator>(myProtocol.get(), attempts);
    myWaitCursorLayer = std::make_unique<WaitCursorProtocolDecorator>(myRetryLayer.get());
}

OnlineProtocolStack::~OnlineProtocolStack()
{
    // The bridge and the decorators first, then the line they talked through.
    myProtocol.reset();
    myRetryLayer.reset();
    myWaitCursorLayer.reset();
    mySerialProtocol.reset();
    mySerialDevice.reset();
}

AbstractProtocol* OnlineProtocolStack::outermost() const
{
    return myWaitCursorLayer.get();
}
