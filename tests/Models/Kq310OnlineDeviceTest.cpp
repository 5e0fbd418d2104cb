#include "tests/support/PortProfile.h"
#include "Platform/LineSettings.h"

#include "Models/Kq310OnlineDevice.h"
#include "Models/ParameterTable.h"
#include "Platform/WaitCursor.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq310Unit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

using Emulator::Kq310Unit;
using Emulator::UnitEmulator;

namespace
{
const std::uint16_t theAddress = 0x8280;
const unsigned thePort = 7;

// The port, counting its reads; it can be told to fail one of them with an
// error that is not one of the program's own, as a broken library might.
class FailingPort : public Win32SerialPort
{
public:
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) override
    {
        if (++reads == failingRead)
        {
            throw std::runtime_error("line gone");
        }
        return Win32SerialPort::read(aBuffer, aCount);
    }

    unsigned reads = 0;
    unsigned failingRead = 0; // 0: none fails
};

// How often aPattern occurs in someBytes.
int occurrences(const Emulator::Bytes& someBytes, const Emulator::Bytes& aPattern)
{
    int count = 0;
    for (auto at = someBytes.begin();
         (at = std::search(at, someBytes.end(), aPattern.begin(), aPattern.end())) != someBytes.end(); ++at)
    {
        ++count;
    }
    return count;
}
}

class Kq310OnlineDeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        myProfile.map(thePort, myEmulator.devicePath());
        myPort.open(thePort, Platform::LineSettings(38400));
    }

    void TearDown() override { Platform::WaitCursor::setHook(Platform::WaitCursor::Hook()); }

    ControlParameter& control(Kq310OnlineDevice& aDevice, int aGroup, int anIndex)
    {
        return aDevice.parameterTable().controlCollection().find(ParameterId(aGroup, anIndex));
    }

    Parameter& status(Kq310OnlineDevice& aDevice, int aGroup, int anIndex)
    {
        return aDevice.parameterTable().statusCollection().find(ParameterId(aGroup, anIndex));
    }

    // The group bytes of the frames that the unit received, in order.
    std::string frameGroups() const
    {
        std::string groups;
        for (const UnitEmulator::LogEntry& entry : myEmulator.log())
        {
            if (entry.kind == UnitEmulator::LogEntry::Frame && entry.bytes.size() > 2)
            {
                groups += static_cast<char>(entry.bytes[2]);
            }
        }
        return groups;
    }

    Emulator::Bytes firstFrame() const
    {
        for (const UnitEmulator::LogEntry& entry : myEmulator.log())
        {
            if (entry.kind == UnitEmulator::LogEntry::Frame)
            {
                return entry.bytes;
            }
        }
        return Emulator::Bytes();
    }

    // The device took its opening back: the port is closed once ours is too.
    void expectOpeningGivenBack()
    {
        EXPECT_TRUE(myPort.isOpen(nullptr));
        myPort.close();
        EXPECT_FALSE(myPort.isOpen(nullptr));
    }

    PortProfile myProfile;
    UnitEmulator myEmulator;
    FailingPort myPort;
};

TEST_F(Kq310OnlineDeviceTest, OpensPollsAndWrites)
{
    myEmulator.addUnit(theAddress, Kq310Unit::freshValues());
    myPort.open(thePort, Platform::LineSettings(38400)); // the device's own opening
    {
        Kq310OnlineDevice device(&myPort, theAddress);
        EXPECT_EQ(7, control(device, 'B', 3).value().toShort());
        EXPECT_EQ(11, control(device, 'B', 1).minimum().toShort());
        EXPECT_EQ(0, control(device, 'O', 0).value().toShort());
        EXPECT_EQ(11, status(device, '@', 12).value().toShort());
        EXPECT_FALSE(status(device, 'I', 1).available());

        // The ring polls 'I', 'F', 'C' in turn, one group a tick.
        myEmulator.setValue(theAddress, 'I', 0, UnitEmulator::integer(1));
        myEmulator.setValue(theAddress, 'F', 1, UnitEmulator::integer(1));
        myEmulator.clearLog();
        device.pollNext();
        EXPECT_TRUE(status(device, 'I', 1).available());
        EXPECT_FALSE(status(device, 'F', 3).available());
        device.pollNext();
        EXPECT_TRUE(status(device, 'F', 3).available());
        device.pollNext();
        device.pollNext();
        EXPECT_EQ("IFCI", frameGroups());

        // A write goes out under 'A', is read back under 'B', under the wait cursor.
        int cursorShown = 0;
        Platform::WaitCursor::setHook([&cursorShown](bool aShown) { cursorShown += aShown ? 1 : 0; });
        myEmulator.clearLog();
        control(device, 'B', 5).setValue(ParameterValue(20));
        EXPECT_EQ(20, control(device, 'B', 5).value().toShort());
        EXPECT_EQ(Emulator::Bytes({0x00, 0x14}), myEmulator.value(theAddress, 'B', 5));
        const Emulator::Bytes write{0x02, 0x04, 0x41, 0x05, 0x00, 0x14, 0xA2};
        EXPECT_EQ(write, firstFrame());
        EXPECT_EQ("AB", frameGroups());
        EXPECT_EQ(1, cursorShown);
        device.pollNext();
        EXPECT_EQ(1, cursorShown) << "polls leave the cursor alone";

        // The routing preset reaches the unit as input assignments.
        control(device, 'O', 0).setValue(ParameterValue(1));
        EXPECT_EQ(Emulator::Bytes({0x00, 0x01}), myEmulator.value(theAddress, 'H', 1));
        EXPECT_EQ(1, control(device, 'O', 0).value().toShort());
    }
    expectOpeningGivenBack();
}

TEST_F(Kq310OnlineDeviceTest, RefreshRereadsTheUnitsControls)
{
    myEmulator.addUnit(theAddress, Kq310Unit::freshValues());
    myPort.open(thePort, Platform::LineSettings(38400));
    {
        Kq310OnlineDevice device(&myPort, theAddress);
        myEmulator.setValue(theAddress, 'B', 26, UnitEmulator::integer(3));
        device.refresh();
        EXPECT_EQ(3, control(device, 'B', 26).value().toShort());
    }
    expectOpeningGivenBack();
}

TEST_F(Kq310OnlineDeviceTest, SilentUnitFailsTheOpening)
{
    myPort.open(thePort, Platform::LineSettings(38400));
    try
    {
        Kq310OnlineDevice device(&myPort, theAddress);
        FAIL() << "opened";
    }
    catch (const ProtocolException& anError)
    {
        EXPECT_STREQ("No response when expecting an ACK.", anError.what());
    }
    EXPECT_EQ(5, occurrences(myEmulator.bytesReceived(), Emulator::Bytes({0xFB, 0x82, 0x80})))
        << "the first read, tried five times";
    expectOpeningGivenBack();
}

TEST_F(Kq310OnlineDeviceTest, ForeignErrorFailsTheOpeningLikeAnyOther)
{
    myEmulator.addUnit(theAddress, Kq310Unit::freshValues());
    myPort.open(thePort, Platform::LineSettings(38400));
    {
        Kq310OnlineDevice device(&myPort, theAddress);
    }
    const unsigned openingReads = myPort.reads;
    ASSERT_GT(openingReads, 4u);
    // In the stack's own drain, in the first exchange, and half-way through
    // the table's reads.
    const unsigned failingReads[] = {1, 2, openingReads / 2};
    for (unsigned failing : failingReads)
    {
        myPort.reads = 0;
        myPort.failingRead = failing;
        myPort.open(thePort, Platform::LineSettings(38400));
        try
        {
            Kq310OnlineDevice device(&myPort, theAddress);
            ADD_FAILURE() << "opened with read " << failing << " failing";
        }
        catch (const std::runtime_error& anError)
        {
            EXPECT_STREQ("line gone", anError.what()) << failing;
        }
        EXPECT_EQ(failing, myPort.reads) << "nothing read after the failure";
        EXPECT_TRUE(myPort.isOpen(nullptr)) << "only the device's opening is given back, read " << failing;
    }
    myPort.failingRead = 0;
    expectOpeningGivenBack();
}

TEST_F(Kq310OnlineDeviceTest, TwoDevicesShareOnePort)
{
    const std::uint16_t other = theAddress + 2;
    myEmulator.addUnit(theAddress, Kq310Unit::freshValues());
    myEmulator.addUnit(other, Kq310Unit::freshValues(false));
    myPort.open(thePort, Platform::LineSettings(38400));
    auto first = std::make_unique<Kq310OnlineDevice>(&myPort, theAddress);
    myPort.open(thePort, Platform::LineSettings(38400));
    auto second = std::make_unique<Kq310OnlineDevice>(&myPort, other);
    first.reset();
    ASSERT_TRUE(myPort.isOpen(nullptr));
    myEmulator.setValue(other, 'I', 0, UnitEmulator::integer(1));
    second->pollNext();
    EXPECT_EQ(1, status(*second, 'I', 0).value().toShort());
    EXPECT_EQ(2, control(*second, 'B', 3).value().toShort());
    second.reset();
    expectOpeningGivenBack();
}

TEST_F(Kq310OnlineDeviceTest, BadAnswersFailTheOpeningWithTheirMessages)
{
    struct Case
    {
        int group;
        int index;
        int value; // -100: the unit lacks the row
        const char* message;
    };
    const Case cases[] = {
        {'B', 3, 9,
         "The device appears to be in an inconsistent state.  Audio Coding Mode: 9 is incompatible with another "
         "parameter value."},
        {'F', 2, 7, "Invalid time code format of 7"},
        {'H', 11, -100, "The device did not return all of the requested parameters"},
    };
    // One unit per case on the line; a unit's poll string is the select string
    // of the next address, so the addresses keep two apart.
    std::uint16_t address = theAddress;
    for (const Case& each : cases)
    {
        Emulator::ParameterMap values = Kq310Unit::freshValues();
        const Emulator::ParameterKey key(static_cast<uint8_t>(each.group), static_cast<uint8_t>(each.index));
        if (each.value == -100)
        {
            values.erase(key);
        }
        else
        {
            values[key] = UnitEmulator::integer(each.value);
        }
        address = static_cast<std::uint16_t>(address + 2);
        myEmulator.addUnit(address, values);
        myPort.open(thePort, Platform::LineSettings(38400));
        try
        {
            Kq310OnlineDevice device(&myPort, address);
            ADD_FAILURE() << "opened with " << char(each.group) << ' ' << each.index;
        }
        catch (const VornaException& anError)
        {
            EXPECT_STREQ(each.message, anError.what());
        }
        Platform::LineSettings line;
        EXPECT_TRUE(myPort.isOpen(&line)) << "only the device's opening is given back";
        EXPECT_EQ(38400u, line.baudRate);
    }
    expectOpeningGivenBack();
}
