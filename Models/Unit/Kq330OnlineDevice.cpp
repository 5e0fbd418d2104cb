#include "Models/Unit/Kq330OnlineDevice.h"

#include "Models/Unit/Kq330ParameterTable.h"

Kq330OnlineDevice::Kq330OnlineDevice(Win32SerialPort* aPort, std::uint16_t aDeviceAddress)
    : UnitOnlineDevice(aPort, aDeviceAddress,
                       [](AbstractProtocol* anOwner) { return std::make_unique<Kq330ParameterTable>(anOwner); })
{
}
