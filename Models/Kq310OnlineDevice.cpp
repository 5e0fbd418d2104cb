#include "Models/Kq310OnlineDevice.h"

#include "Models/Kq310OfflineDevice.h"
#include "Models/Kq310ParameterTable.h"
#include "Models/OnlineProtocolStack.h"
#include "Platform/Assertion.h"
#include "Toolkit/Link/Win32SerialPort.h"

namespace
{
Win32SerialPort* checkedPort(Win32SerialPort* aPort)
{
    VORNA_ASSERT(aPort != NULL);
    return aPort;
}
}

Kq310OnlineDevice::Kq310OnlineDevice(Win32SerialPort* aPort, std::uint16_t aDeviceAddress)
try : myPort(checkedPort(aPort)),
      myStack(std::make_unique<OnlineProtocolStack>(aPort, aDeviceAddress, OnlineProtocolStack::kq310Line)),
      myTable(std::make_unique<Kq310ParameterTable>(myStack->outermost()))
{
}
catch (...)
{
    // Whatever was built has been destroyed by now; the opening is ours to give
    // back, and the exception goes on to the caller.
    aPort->close();
}

Kq310OnlineDevice::~Kq310OnlineDevice()
{
    // The table first, while the stack below it still exists; nothing is sent.
    myTable.reset();
    myStack.reset();
    myPort->close();
}

ParameterTable& Kq310OnlineDevice::parameterTable()
{
    return *myTable;
}

std::unique_ptr<TableDevice> Kq310OnlineDevice::makeTwin(const ParameterValueMap& aValues) const
{
    return std::make_unique<Kq310OfflineDevice>(aValues);
}
