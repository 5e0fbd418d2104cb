// KQ330 and KQ350 devices on a serial line, against the unit emulator.

#include "UnitFixtures.h"
#include "Platform/LineSettings.h"

#include "Models/Unit/Kq330OnlineDevice.h"
#include "Models/Unit/Kq350OnlineDevice.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq330Unit.h"
#include "tests/emulator/models/Kq350Unit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using Emulator::Kq330Unit;
using Emulator::Kq350Unit;
using Emulator::UnitEmulator;

namespace
{
const std::uint16_t theAddress = 0x8280;
const unsigned thePort = 7;

class UnitOnlineDeviceTest : public ::testing::TestWithParam<const UnitModel*>
{
protected:
    void SetUp() override
    {
        myProfile.map(thePort, myEmulator.devicePath());
        myPort.open(thePort, Platform::LineSettings(38400));
    }

    const UnitModel& model() const { return *GetParam(); }
    bool isKq350() const { return model().deviceType == "KQ350"; }
    const Kq330Unit::Model& emulated() const { return isKq350() ? Kq350Unit::model() : Kq330Unit::model(); }
    Emulator::ParameterMap freshValues() const { return Kq330Unit::freshValues(emulated()); }

    // Opens the device, taking one more opening of the port for it.
    std::unique_ptr<UnitOnlineDevice> open(std::uint16_t anAddress = theAddress)
    {
        myPort.open(thePort, Platform::LineSettings(38400));
        if (isKq350())
        {
            return std::make_unique<Kq350OnlineDevice>(&myPort, anAddress);
        }
        return std::make_unique<Kq330OnlineDevice>(&myPort, anAddress);
    }

    // The opening fails with aMessage, and the port is as it was.
    void expectOpeningFails(const std::string& aMessage)
    {
        try
        {
            open();
            ADD_FAILURE() << "opened";
        }
        catch (const VornaException& anError)
        {
            EXPECT_EQ(aMessage, anError.what());
        }
        EXPECT_EQ(0u, writeFrames()) << "a refused unit is left as it was";
        expectOnlyOurOpening();
    }

    void expectOnlyOurOpening()
    {
        EXPECT_TRUE(myPort.isOpen(nullptr));
        myPort.close();
        EXPECT_FALSE(myPort.isOpen(nullptr)) << "the device kept an opening";
        myPort.open(thePort, Platform::LineSettings(38400));
    }

    static ControlParameter& control(UnitOnlineDevice& aDevice, int aGroup, int anIndex)
    {
        return aDevice.unitTable().controlCollection().find(ParameterId(aGroup, anIndex));
    }

    static Parameter& status(UnitOnlineDevice& aDevice, int aGroup, int anIndex)
    {
        return aDevice.unitTable().statusCollection().find(ParameterId(aGroup, anIndex));
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

    // How many frames went out under a write group.
    std::size_t writeFrames() const
    {
        std::size_t count = 0;
        for (char group : frameGroups())
        {
            for (std::uint8_t writeGroup : Kq330Unit::writeGroups())
            {
                count += static_cast<std::uint8_t>(group) == writeGroup ? 1 : 0;
            }
        }
        return count;
    }

    PortProfile myProfile;
    UnitEmulator myEmulator;
    Win32SerialPort myPort;
};

class CountingObserver : public Observer
{
public:
    void update(Subject*) override { ++myUpdates; }
    int myUpdates = 0;
};
}

TEST_P(UnitOnlineDeviceTest, OpensPollsAndWrites)
{
    myEmulator.addUnit(theAddress, freshValues());
    {
        std::unique_ptr<UnitOnlineDevice> device = open();
        const std::string opening = frameGroups();
        EXPECT_EQ(1u, std::count(opening.begin(), opening.end(), '\xF8')) << "identified once";
        EXPECT_EQ(0u, writeFrames()) << "opening a fresh unit changes nothing on it";
        EXPECT_EQ(isKq350() ? 7 : 2, control(*device, 'B', 3).value().toShort());
        EXPECT_EQ(model().maximum, control(*device, 'a', 5).value().toShort());
        EXPECT_EQ(model().deviceType, control(*device, 'a', 14).value().toString());
        EXPECT_EQ("SRND FILM", device->unitTable().presetNamesHigh().find(ParameterId('d', 31)).value().toString());
        EXPECT_EQ(model().deviceType, status(*device, 0xF8, 0).value().toString());
        EXPECT_EQ("Dyn Range 5", control(*device, 'f', 5).value().toString());

        // The ring: 'I', 'F', 'C', then the reference input, then 'F' and 'C' again.
        myEmulator.setValue(theAddress, 'b', 0, UnitEmulator::integer(1));
        myEmulator.clearLog();
        for (int poll = 0; poll < 7; ++poll)
        {
            device->pollNext();
        }
        EXPECT_EQ("IFCbFCI", frameGroups());
        EXPECT_TRUE(status(*device, 'b', 1).available());

        // A unit value goes out under the group before and is read back.
        myEmulator.clearLog();
        control(*device, 'a', 2).setValue(ParameterValue(3));
        EXPECT_EQ(3, control(*device, 'a', 2).value().toShort());
        EXPECT_EQ(UnitEmulator::integer(3), myEmulator.value(theAddress, 'a', 2));
        EXPECT_EQ(std::string("\x60") + "a", frameGroups());

        // Refresh reads the unit's change at its front panel.
        myEmulator.setValue(theAddress, 'a', 11, UnitEmulator::integer(2));
        myEmulator.setValue(theAddress, 'd', 20, UnitEmulator::text("LIVE"));
        device->refresh();
        EXPECT_EQ(2, control(*device, 'a', 11).value().toShort());
        EXPECT_EQ("LIVE", device->unitTable().presetNamesHigh().find(ParameterId('d', 20)).value().toString());
    }
    expectOnlyOurOpening();
}

TEST_P(UnitOnlineDeviceTest, UnitOfTheOtherModelIsRefused)
{
    myEmulator.addUnit(theAddress, Kq330Unit::freshValues(isKq350() ? Kq330Unit::model() : Kq350Unit::model()));
    expectOpeningFails(isKq350() ? "This device appears to be a KQ330, not a KQ350"
                                 : "This device appears to be a KQ350, not a KQ330");
}

TEST_P(UnitOnlineDeviceTest, OlderFirmwareIsRefused)
{
    myEmulator.addUnit(theAddress, freshValues());
    const std::string older = isKq350() ? "1.10" : "1.02";
    myEmulator.setIdentification(theAddress, model().deviceType, older);
    expectOpeningFails("This unit is at firmware revision " + older +
                       " which does not fully support remote control.  Please upgrade to at least firmware "
                       "version " +
                       model().minimumFirmware);
}

TEST_P(UnitOnlineDeviceTest, TextLongerThanAFrameIsRefusedBeforeItIsSent)
{
    myEmulator.addUnit(theAddress, freshValues());
    std::unique_ptr<UnitOnlineDevice> device = open();
    ControlParameter& name = control(*device, 'a', 14);
    myEmulator.clearLog();
    try
    {
        name.setValue(ParameterValue(std::string(252, 'n')));
        FAIL() << "sent";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("The value is too long to send to the device.", anError.what());
    }
    EXPECT_EQ("", frameGroups()) << "nothing went out, not even a retry";
    EXPECT_EQ(model().deviceType, name.value().toString());
    EXPECT_EQ(Emulator::Bytes(model().deviceType.begin(), model().deviceType.end()),
              myEmulator.value(theAddress, 'a', 14));

    // The longest text a frame carries goes through.
    const std::string longest(251, 'n');
    name.setValue(ParameterValue(longest));
    EXPECT_EQ(longest, name.value().toString());
}

TEST_P(UnitOnlineDeviceTest, ExternalCodingDelayStandsThroughOpeningAndPresetRecall)
{
    Emulator::ParameterMap values = freshValues();
    values[Emulator::ParameterKey('a', 5)] = UnitEmulator::integer(-1);
    myEmulator.addUnit(theAddress, values);
    std::unique_ptr<UnitOnlineDevice> device = open();
    EXPECT_EQ(0u, writeFrames());
    EXPECT_EQ(1, control(*device, 'o', 0).value().toShort());

    // The preset holds a fixed delay: only the recall itself is written.
    const int fixedDelay = model().limit32;
    myEmulator.setValue(theAddress, 'a', 5, UnitEmulator::integer(fixedDelay));
    myEmulator.clearLog();
    control(*device, 'a', 9).setValue(ParameterValue(2));
    EXPECT_EQ(1u, writeFrames());
    EXPECT_EQ(UnitEmulator::integer(fixedDelay), myEmulator.value(theAddress, 'a', 5));
    EXPECT_EQ(fixedDelay, control(*device, 'o', 1).value().toShort());
    EXPECT_EQ(0, control(*device, 'o', 0).value().toShort());
}

TEST_P(UnitOnlineDeviceTest, LevelsFallWhileTheLineWaits)
{
    myEmulator.addUnit(theAddress, freshValues());
    std::unique_ptr<UnitOnlineDevice> device = open();
    Parameter& level = status(*device, 'C', 4);
    // Two readings of a falling level teach the tracker its rate.
    myEmulator.setValue(theAddress, 'C', 4, UnitEmulator::integer(3000));
    for (int poll = 0; poll < 3; ++poll)
    {
        device->pollNext();
    }
    myEmulator.setValue(theAddress, 'C', 4, UnitEmulator::integer(1000));
    for (int poll = 0; poll < 3; ++poll)
    {
        device->pollNext();
    }
    ASSERT_EQ(1000, level.value().toShort());
    CountingObserver meter;
    device->attachStatusObserver(ParameterId('C', 4), &meter);
    meter.myUpdates = 0;
    // The unit name settles for a while after it is written: the idle
    // callback steps the meters meanwhile.
    control(*device, 'a', 14).setValue(ParameterValue(std::string("Booth")));
    EXPECT_GT(meter.myUpdates, 0);
    EXPECT_LT(level.value().toShort(), 1000);
}

TEST_P(UnitOnlineDeviceTest, TwoUnitsShareOnePort)
{
    myEmulator.addUnit(theAddress, freshValues());
    myEmulator.addUnit(theAddress + 4, freshValues());
    std::unique_ptr<UnitOnlineDevice> first = open();
    std::unique_ptr<UnitOnlineDevice> second = open(theAddress + 4);
    control(*second, 'a', 8).setValue(ParameterValue(1));
    EXPECT_EQ(UnitEmulator::integer(1), myEmulator.value(theAddress + 4, 'a', 8));
    EXPECT_EQ(UnitEmulator::integer(0), myEmulator.value(theAddress, 'a', 8));
    first.reset();
    second->pollNext();
    second.reset();
    expectOnlyOurOpening();
}

// Once is enough: every read is tried five times before the opening fails.
TEST(UnitSilentLineTest, SilentUnitIsNotOpened)
{
    PortProfile profile;
    UnitEmulator emulator;
    profile.map(thePort, emulator.devicePath());
    Win32SerialPort port;
    port.open(thePort, Platform::LineSettings(38400));
    try
    {
        Kq350OnlineDevice device(&port, theAddress);
        ADD_FAILURE() << "opened";
    }
    catch (const ProtocolException& anError)
    {
        EXPECT_STREQ("No response when expecting an ACK.", anError.what());
    }
    EXPECT_FALSE(port.isOpen(nullptr)) << "the device gave its opening back";
}

INSTANTIATE_TEST_SUITE_P(Models, UnitOnlineDeviceTest, ::testing::Values(&UnitModel::kq330(), &UnitModel::kq350()),
                         [](const ::testing::TestParamInfo<const UnitModel*>& anInfo) { return anInfo.param->name; });
