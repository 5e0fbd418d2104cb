#pragma once

#include "UnitStore.h"

#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Protocol.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

// A dialog of controls on the headless backend, a user to act on it, and
// control parameters owned by a protocol over an in-memory unit.
class ControlBench : public ::testing::Test
{
protected:
    ControlBench();
    ~ControlBench() override;

    Platform::Window& addControl(Platform::WindowKind aKind, int anId,
                                 const Platform::WindowStyle& aStyle = Platform::WindowStyle());
    // Group 'B', index aIndex; the value starts at the minimum.
    ControlParameter& addParameter(std::int8_t anIndex, int aMinimum, int aMaximum);
    // A value that the unit reports, as a full read brings it: stored, then notified.
    static void report(ControlParameter& aParameter, int aValue);
    // The values written to the unit so far, as integers.
    std::vector<int> writtenValues() const;

    Platform::Resources resources;
    Platform::HeadlessBackend backend;
    Platform::ScriptedUser user;
    Platform::Window dialog;
    UnitStore unit;
    Protocol protocol;

private:
    std::vector<std::unique_ptr<ControlParameter>> myParameters;
};
