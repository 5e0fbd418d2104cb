#pragma once

#include "tests/support/PortProfile.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceKey.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class Parameter;

// What the pages run on in a test: the program's resources (those of every
// model's pages), an application, the headless backend with a scripted user,
// a document and a window to hold the pages. Devices are opened off line, or
// on line at the KQ310's address on an emulated line.
class CommonPageBench : public ::testing::Test
{
protected:
    enum Model
    {
        Kq310 = 0,
        Kq330 = 1,
        Kq350 = 2
    };

    static const unsigned onLinePort = 3;
    static const std::uint16_t kq310Address = 0x9080;

    CommonPageBench();

    static const Platform::Resources& resources();

    DeviceKey openOffLine(Model aModel);
    // A KQ310 on aDevicePath (an emulator's line).
    DeviceKey openOnLine(const std::string& aDevicePath);

    Parameter& control(const ParameterId& anId);
    Parameter& status(const ParameterId& anId);
    // Sets a status parameter as a poll would.
    void report(const ParameterId& anId, int aValue);
    // Sets a control parameter as an accepted request would.
    void request(const ParameterId& anId, int aValue);
    short value(const ParameterId& anId) { return controlValue(anId); }
    short controlValue(const ParameterId& anId);
    short statusValue(const ParameterId& anId);

    Platform::Window& parent() { return *myParent; }

    PortProfile myProfile;
    Platform::HeadlessBackend myBackend;
    Platform::ScriptedUser myUser;
    Platform::Application myApplication;
    CTessivaDoc myDocument;
    std::unique_ptr<Platform::Window> myParent;
    DeviceKey myKey;

private:
    Parameter& find(const ParameterId& anId, bool aControl);
};
