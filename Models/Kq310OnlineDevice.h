#pragma once

#include "Models/TableDevice.h"

#include <cstdint>
#include <memory>

class Kq310ParameterTable;
class OnlineProtocolStack;
class Win32SerialPort;

// A KQ310 on a serial line: its table over the on-line protocol stack at the
// device address. The caller opens the port once for this device; the device
// gives that opening back exactly once, when it is destroyed or when its
// construction fails, whatever the failure.
class Kq310OnlineDevice : public TableDevice
{
public:
    // Reads every control and status parameter from the unit at once; on any
    // failure nothing that was built is left behind, the port's opening is
    // given back and the exception passes on unchanged.
    Kq310OnlineDevice(Win32SerialPort* aPort, std::uint16_t aDeviceAddress);
    ~Kq310OnlineDevice() override;

    ParameterTable& parameterTable() override;
    std::unique_ptr<TableDevice> makeTwin(const ParameterValueMap& aValues) const override;

private:
    Kq310OnlineDevice(const Kq310OnlineDevice&) = delete;
    Kq310OnlineDevice& operator=(const Kq310OnlineDevice&) = delete;

    Win32SerialPort* myPort;
    std::unique_ptr<OnlineProtocolStack> myStack;
    std::unique_ptr<Kq310ParameterTable> myTable;
};
