// The unit emulator program, used as the README shows: the remote-control
// document opens each model on line through it, and the download engine
// runs a download against it while it reports what it received.
#include "Pellora/Engine/Interpreter.h"
#include "Platform/LineSettings.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceSettings.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "tests/Pellora/ScriptedOperator.h"
#include "tests/support/ChildProgram.h"
#include "tests/support/PortProfile.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
const unsigned thePort = 5;

class UnitEmulatorProgramTest : public testing::Test
{
protected:
    // Starts the program and maps the port to the terminal it serves.
    void start(const std::vector<std::string>& someArguments)
    {
        myProgram = std::make_unique<ChildProgram>(VORNA_UNIT_EMULATOR, someArguments);
        std::string path;
        ASSERT_TRUE(myProgram->readLine(path)) << "the program printed no terminal";
        ASSERT_EQ(0u, path.find("/dev/")) << path;
        myProfile.map(thePort, path);
    }

    // Opens a device of the model (0, 1, 2: KQ310, KQ330, KQ350) at the address.
    bool open(int aModel, std::uint16_t anAddress, int aBaudIndex = 2)
    {
        DeviceSettings settings(&myDocument);
        ControlCollection& values = settings.controlCollection();
        values.find(DeviceSettings::deviceTypeId).setValue(ParameterValue(aModel));
        values.find(DeviceSettings::offLineId).setValue(ParameterValue(0));
        values.find(DeviceSettings::portIndexId).setValue(ParameterValue(static_cast<int>(thePort) - 1));
        values.find(DeviceSettings::baudRateId).setValue(ParameterValue(aBaudIndex));
        if (aModel != 0)
        {
            values.find(DeviceSettings::deviceAddressId).setValue(ParameterValue(anAddress));
        }
        DeviceKey key(0, 0);
        switch (aModel)
        {
        case 0: return myDocument.createKq310Device(key, settings) && key == DeviceKey(thePort, anAddress);
        case 1: return myDocument.createKq330Device(key, settings) && key == DeviceKey(thePort, anAddress);
        default: return myDocument.createKq350Device(key, settings) && key == DeviceKey(thePort, anAddress);
        }
    }

    PortProfile myProfile;
    std::unique_ptr<ChildProgram> myProgram;
    CTessivaDoc myDocument;
};

TEST_F(UnitEmulatorProgramTest, ServesAFreshUnitOfEachModelToOpenOnLine)
{
    start({"--model", "KQ310", "9080", "--model", "KQ330", "8280", "8284", "--model", "KQ350", "8282"});
    EXPECT_TRUE(open(0, 0x9080));
    EXPECT_TRUE(open(1, 0x8280));
    EXPECT_TRUE(open(1, 0x8284));
    EXPECT_TRUE(open(2, 0x8282));
    myDocument.closeDevice(DeviceKey(thePort, 0x9080));
    myDocument.closeDevice(DeviceKey(thePort, 0x8280));
    myDocument.closeDevice(DeviceKey(thePort, 0x8284));
    myDocument.closeDevice(DeviceKey(thePort, 0x8282));
    EXPECT_EQ(0, myProgram->finish());
}

TEST_F(UnitEmulatorProgramTest, PacedAtTheLinesRateAKq350OpensAt9600Baud)
{
    start({"--baud", "9600", "--model", "KQ350"});
    EXPECT_TRUE(open(2, 0x8280, 0));
}

TEST_F(UnitEmulatorProgramTest, RunsADownloadAndReportsIt)
{
    start({"--model", "KQ350", "8282"});
    TemporaryFolder folder;
    folder.write("boot.s19", "S00600004844521B\nS1130000285F245F2212226A000424290008237C2A\nS9030000FC\n");
    const std::string script = folder.write(
        "update.prx", "if (device == \"KQ350\") { download_mode; download_files(\"boot.s19\"); reset; }");
    Win32SerialPort port(thePort, Platform::LineSettings(38400));
    SerialDevice device(&port);
    ScriptedOperator user;
    Interpreter interpreter(&user, &device, 0x8282);
    EXPECT_TRUE(interpreter.runScript(script));

    // The reports follow the download as the program sees it; the last one
    // tells where it ended.
    std::string report;
    std::string line;
    while (report.find("4 lines") == std::string::npos && myProgram->readLine(line))
    {
        report = line;
    }
    EXPECT_EQ("8282: not in download mode, 4 lines received, the last S0DONE", report);
    EXPECT_EQ(0, myProgram->finish());
}

TEST_F(UnitEmulatorProgramTest, RefusesAModelItDoesNotKnow)
{
    ChildProgram program(VORNA_UNIT_EMULATOR, {"--model", "KQ320"});
    std::string line;
    EXPECT_FALSE(program.readLine(line));
    EXPECT_EQ(2, program.finish());
}
}
