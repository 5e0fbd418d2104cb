#pragma once

#include "Models/TableDevice.h"

#include <cstdint>
#include <functional>
#include <memory>

class AbstractProtocol;
class OnlineProtocolStack;
class UnitParameterTable;
class Win32SerialPort;

// A KQ330 or KQ350 on a serial line: the model's table over the on-line
// protocol stack at the device address. The caller opens the port once for
// this device; the device gives that opening back exactly once, when it is
// destroyed or when its construction fails. The leaves name the model.
class UnitOnlineDevice : public TableDevice
{
public:
    using TableFactory = std::function<std::unique_ptr<UnitParameterTable>(AbstractProtocol*)>;

    ~UnitOnlineDevice() override;

    ParameterTable& parameterTable() override;
    UnitParameterTable& unitTable() { return *myTable; }

protected:
    // Reads the unit at once; on any failure (a silent unit, another model,
    // too old a firmware) nothing that was built is left behind, the port's
    // opening is given back and the exception passes on unchanged.
    UnitOnlineDevice(Win32SerialPort* aPort, std::uint16_t aDeviceAddress, const TableFactory& aTableFactory);

private:
    UnitOnlineDevice(const UnitOnlineDevice&) = delete;
    UnitOnlineDevice& operator=(const UnitOnlineDevice&) = delete;

    Win32SerialPort* myPort;
    std::unique_ptr<OnlineProtocolStack> myStack;
    std::unique_ptr<UnitParameterTable> myTable;
};
