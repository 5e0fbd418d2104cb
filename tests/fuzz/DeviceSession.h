#pragma once

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzOutput.h"
#include "tests/fuzz/ModelChoice.h"

#include <cstdint>
#include <vector>

class SerialDeviceImplementation;

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
