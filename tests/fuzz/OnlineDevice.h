#pragma once

#include "tests/fuzz/ModelChoice.h"

#include "Models/TableDevice.h"

#include <cstdint>
#include <memory>

class OnlineProtocolStack;
class SerialDeviceImplementation;

// A device of a model on line as the program opens it (the model's table over
// the on-line protocol stack), over any line instead of a port of its own.
class OnlineDevice : public TableDevice
{
public:
    static constexpr std::uint16_t address = 0x8280;

    // Reads the unit at once, as opening a device does.
    OnlineDevice(ModelChoice aModel, SerialDeviceImplementation* aLine);
    ~OnlineDevice() override;

    ParameterTable& parameterTable() override { return *myTable; }
    std::unique_ptr<TableDevice> makeTwin(const ParameterValueMap& aValues) const override;

private:
    ModelChoice myModel;
    std::unique_ptr<OnlineProtocolStack> myStack;
    std::unique_ptr<ParameterTable> myTable;
};
