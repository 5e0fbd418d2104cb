#include "Models/Unit/Kq330OnlineDevice.h"

#include "Models/Unit/Kq330OfflineDevice.h"
#include "Models/Unit/Kq330ParameterTable.h"

Kq330OnlineDevice::Kq330OnlineDevice(Win32SerialPort* aPort, std::uint16_t aDeviceAddress)
    : UnitOnlineDevice(aPort, aDeviceAddress,
                       [](AbstractProtocol* anOwner) { return std::make_unique<Kq330ParameterTable>(anOwner); })
{
}

std::unique_ptr<TableDevice> Kq330OnlineDevice::makeTwin(const ParameterValueMap& aValues) const
{
    return std::make_unique<Kq330OfflineDevice>(aValues);
}
