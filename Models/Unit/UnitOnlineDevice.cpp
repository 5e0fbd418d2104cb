#include "Models/Unit/UnitOnlineDevice.h"

#include "Models/OnlineProtocolStack.h"
#include "Models/Unit/UnitParameterTable.h"
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

UnitOnlineDevice::UnitOnlineDevice(Win32SerialPort* aPort, std::uint16_t aDeviceAddress,
                                   const TableFactory& aTableFactory)
try : myPort(checkedPort(aPort)),
      myStack(std::make_unique<OnlineProtocolStack>(aPort, aDeviceAddress, OnlineProtocolStack::unitLine)),
      myTable(aTableFactory(myStack->outermost()))
{
}
catch (...)
{
    // Whatever was built has been destroyed by now; the opening is ours to give
    // back, and the exception goes on to the caller.
    aPort->close();
}

UnitOnlineDevice::~UnitOnlineDevice()
{
    // The table first, while the stack below it still exists; nothing is sent.
    myTable.reset();
    myStack.reset();
    myPort->close();
}

ParameterTable& UnitOnlineDevice::parameterTable()
{
    return *myTable;
}
