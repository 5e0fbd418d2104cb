#pragma once

#include "Models/Unit/UnitOnlineDevice.h"

// A KQ350 on a serial line at a device address. The caller has opened the
// port once for it; the device gives that opening back.
class Kq350OnlineDevice : public UnitOnlineDevice
{
public:
    Kq350OnlineDevice(Win32SerialPort* aPort, std::uint16_t aDeviceAddress);

    std::unique_ptr<TableDevice> makeTwin(const ParameterValueMap& aValues) const override;
};
