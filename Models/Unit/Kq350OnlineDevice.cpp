#include "Models/Unit/Kq350OnlineDevice.h"

#include "Models/Unit/Kq350OfflineDevice.h"
#include "Models/Unit/Kq350ParameterTable.h"

Kq350OnlineDevice::Kq350OnlineDevice(Win32SerialPort* aPort, std::uint16_t aDeviceAddress)
    : UnitOnlineDevice(aPort, aDeviceAddress,
                       [](AbstractProtocol* anOwner) { return std::make_unique<Kq350ParameterTable>(anOwner); })
{
}

std::unique_ptr<TableDevice> Kq350OnlineDevice::makeTwin(const ParameterValueMap& aValues) const
{
    return std::make_unique<Kq350OfflineDevice>(aValues);
}
