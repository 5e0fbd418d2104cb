#pragma once

#include "Models/TableDevice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class AbstractProtocol;
class OfflineUnitValues;
class Protocol;
class UnitParameterTable;

// A KQ330 or KQ350 without a wire: the model's table over a Protocol over the
// unit's in-memory default values. It takes every request that an on-line
// device takes, and its status answer is always ok. The leaves name the model.
class UnitOfflineDevice : public TableDevice
{
public:
    using TableFactory = std::function<std::unique_ptr<UnitParameterTable>(AbstractProtocol*)>;

    ~UnitOfflineDevice() override;

    ParameterTable& parameterTable() override;
    UnitParameterTable& unitTable() { return *myTable; }
    OfflineUnitValues& values() { return *myValues; }

protected:
    // The values' multi-channel flag, size and device type, the values the
    // unit holds over those defaults, and the model's table.
    UnitOfflineDevice(bool aMultiChannel, std::int16_t aSize, const std::string& aDeviceType,
                      const ParameterValueMap& aValues, const TableFactory& aTableFactory);

private:
    UnitOfflineDevice(const UnitOfflineDevice&) = delete;
    UnitOfflineDevice& operator=(const UnitOfflineDevice&) = delete;

    // Built in this order; the table goes first when the device is destroyed.
    std::unique_ptr<OfflineUnitValues> myValues;
    std::unique_ptr<Protocol> myProtocol;
    std::unique_ptr<UnitParameterTable> myTable;
};
