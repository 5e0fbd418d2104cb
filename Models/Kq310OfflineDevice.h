#pragma once

#include "Models/TableDevice.h"

#include <memory>

class Kq310ParameterTable;
class OfflineKq310Values;
class Protocol;

// A KQ310 without a wire: its table over a Protocol over the KQ310's in-memory
// default values (a multi-channel unit). It takes every request that an
// on-line device takes, and its status answer is always ok.
class Kq310OfflineDevice : public TableDevice
{
public:
    Kq310OfflineDevice();
    // A unit holding aValues over the defaults.
    explicit Kq310OfflineDevice(const ParameterValueMap& aValues);
    ~Kq310OfflineDevice() override;

    ParameterTable& parameterTable() override;
    std::unique_ptr<TableDevice> makeTwin(const ParameterValueMap& aValues) const override;
    OfflineKq310Values& values() { return *myValues; }

private:
    Kq310OfflineDevice(const Kq310OfflineDevice&) = delete;
    Kq310OfflineDevice& operator=(const Kq310OfflineDevice&) = delete;

    // Built in this order; the table goes first when the device is destroyed.
    std::unique_ptr<OfflineKq310Values> myValues;
    std::unique_ptr<Protocol> myProtocol;
    std::unique_ptr<Kq310ParameterTable> myTable;
};
