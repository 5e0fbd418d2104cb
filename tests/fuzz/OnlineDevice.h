#pragma once

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/ModelChoice.h"

#include "Models/TableDevice.h"

#include <cstdint>
#include <memory>
#include <vector>

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

private:
    std::unique_ptr<OnlineProtocolStack> myStack;
    std::unique_ptr<ParameterTable> myTable;
};

// What is done with an open device: polls, edits of control parameters
// (chosen by their place in the table), a refresh, the reports.
struct DeviceSession
{
    struct Edit
    {
        std::uint16_t pick = 0;
        std::uint16_t number = 0;
        std::uint8_t textLength = 0xFF; // 0xFF: the value is the number
    };

    ModelChoice model = ModelChoice::kq310;
    std::uint8_t polls = 0;
    std::vector<Edit> edits;
    bool refresh = false;

    static constexpr int editCount = 2;

    static DeviceSession read(FuzzInput& anInput);
    void write(FuzzOutput& anOutput) const;

    // Opens the device over aLine and runs the session; the program's
    // exceptions of the opening pass, those of each step are taken.
    void run(SerialDeviceImplementation& aLine) const;
};
