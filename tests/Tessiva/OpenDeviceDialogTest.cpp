// The Open Device dialog on the connection settings, played by a scripted
// user: what it shows, the rules between the settings, and the profile.
#include "tests/support/PortProfile.h"

#include "Platform/FileReplacement.h"
#include "Platform/ProfileStore.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/DeviceSettings.h"
#include "Tessiva/OpenDeviceDialog.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq330Unit.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using Platform::ScriptedUser;
using Platform::Window;

namespace
{
const int theDeviceType = OpenDeviceDialog::deviceTypeComboId;
const int thePort = OpenDeviceDialog::portComboId;
const int theBaudRate = OpenDeviceDialog::baudRateComboId;
const int theAddress = OpenDeviceDialog::addressEditId;
const int theSpin = OpenDeviceDialog::addressSpinId;
const int theOffLine = OpenDeviceDialog::offLineCheckId;

const char* const theNames[] = {"off line", "device type", "port number", "baud rate", "device address"};

// What the dialog shows, control by control.
struct Shown
{
    std::string deviceType;
    std::string port;
    std::string baudRate;
    std::string address;
    bool offLine;
};
}

class OpenDeviceDialogTest : public ::testing::Test
{
protected:
    OpenDeviceDialogTest() : myUser(myBackend) { OpenDeviceDialog::addResources(myResources); }

    Platform::ProfileStore store() const { return Platform::ProfileStore("Tessiva"); }

    void writeProfile(const std::map<std::string, int>& someValues)
    {
        for (const auto& entry : someValues)
        {
            ASSERT_TRUE(store().writeInt("Settings", entry.first, entry.second));
        }
    }

    std::map<std::string, int> readProfile() const
    {
        std::map<std::string, int> values;
        for (const char* name : theNames)
        {
            values[name] = store().getInt("Settings", name, -99999);
        }
        return values;
    }

    Shown shown() const
    {
        return Shown{myUser.control(theDeviceType).text(), myUser.control(thePort).text(),
                     myUser.control(theBaudRate).text(), myUser.control(theAddress).text(),
                     myUser.control(theOffLine).isChecked()};
    }

    void expectShown(const Shown& anExpected) const
    {
        const Shown actual = shown();
        EXPECT_EQ(anExpected.deviceType, actual.deviceType);
        EXPECT_EQ(anExpected.port, actual.port);
        EXPECT_EQ(anExpected.baudRate, actual.baudRate);
        EXPECT_EQ(anExpected.address, actual.address);
        EXPECT_EQ(anExpected.offLine, actual.offLine);
    }

    bool enabled(int anId) const { return myUser.control(anId).isEnabled(); }

    // Runs the dialog on settings read from the profile, with aScript
    // playing the user, and destroys the settings after it as the New Device
    // command does. Returns the dialog's result.
    int run(const std::function<void(Window&)>& aScript)
    {
        int result = 0;
        {
            DeviceSettings settings(&myDocument);
            OpenDeviceDialog dialog(&settings, myResources);
            myUser.expectDialog(OpenDeviceDialog::templateId, aScript);
            result = dialog.doModal();
            myUser.finish();
        }
        return result;
    }

    PortProfile myProfile;
    Platform::HeadlessBackend myBackend;
    ScriptedUser myUser;
    Platform::Resources myResources;
    CTessivaDoc myDocument;
};

TEST_F(OpenDeviceDialogTest, FirstRunShowsTheDefaultsAndWritesThemOnCancel)
{
    const int result = run([&](Window& aDialog) {
        EXPECT_EQ("Open Device", aDialog.text());
        expectShown({"KQ350", "COM1", "38400 baud", "8280", false});
        for (int id : {theDeviceType, thePort, theBaudRate, theAddress, theSpin, theOffLine})
        {
            EXPECT_TRUE(enabled(id)) << id;
        }
        EXPECT_EQ(10, myUser.control(thePort).itemCount());
        EXPECT_EQ("COM10", myUser.control(thePort).itemText(9));
        EXPECT_EQ(std::vector<std::string>({"KQ310", "KQ330", "KQ350"}), myUser.control(theDeviceType).items());
        myUser.click(Platform::DialogResult::cancel);
    });
    EXPECT_EQ(Platform::DialogResult::cancel, result);
    EXPECT_EQ((std::map<std::string, int>{{"off line", 0},
                                          {"device type", 2},
                                          {"port number", 0},
                                          {"baud rate", 2},
                                          {"device address", 0x8280}}),
              readProfile());
}

TEST_F(OpenDeviceDialogTest, ShowsTheStoredSettings)
{
    writeProfile({{"off line", 0}, {"device type", 1}, {"port number", 3}, {"baud rate", 0}, {"device address", 0x8a90}});
    run([&](Window&) {
        expectShown({"KQ330", "COM4", "9600 baud", "8a90", false});
        myUser.click(Platform::DialogResult::ok);
    });
}

TEST_F(OpenDeviceDialogTest, StoredValuesOutOfRangeLeaveTheMinimum)
{
    writeProfile({{"off line", 2}, {"device type", 3}, {"port number", 10}, {"baud rate", -1}, {"device address", 0x1234}});
    DeviceSettings settings(&myDocument);
    EXPECT_FALSE(settings.isOffLine());
    // Device type 0 is the KQ310, whose rules fix the address and the rate.
    EXPECT_EQ(0, settings.deviceType());
    EXPECT_EQ(1u, settings.portNumber());
    EXPECT_EQ(38400u, settings.baudRate());
    EXPECT_EQ(0x9080, settings.deviceAddress());
}

TEST_F(OpenDeviceDialogTest, SettingsThatCannotBeSavedAreReported)
{
    // A profile folder under a plain file cannot be made.
    const std::string blocker = myProfile.folder() + "/file";
    std::ofstream(blocker) << "not a folder";
    ASSERT_EQ(0, ::setenv("XDG_CONFIG_HOME", blocker.c_str(), 1));
    testing::internal::CaptureStderr();
    {
        DeviceSettings settings(&myDocument);
    }
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, reported.find("The connection settings could not be saved in")) << reported;
    EXPECT_NE(std::string::npos, reported.find(blocker)) << reported;
}

namespace
{
// Fails every rename from the n-th on, as a program killed after n - 1 writes would.
class KilledAfterWrites : public Platform::FileCalls
{
public:
    explicit KilledAfterWrites(int aWrites) : myWrites(aWrites) { Platform::FileCalls::use(this); }
    ~KilledAfterWrites() override { Platform::FileCalls::use(nullptr); }

    int rename(int aFolder, const std::string& aFrom, const std::string& aTo) override
    {
        if (myWrites-- <= 0)
        {
            errno = EIO;
            return -1;
        }
        return FileCalls::rename(aFolder, aFrom, aTo);
    }

private:
    int myWrites;
};
}

TEST_F(OpenDeviceDialogTest, TheConnectionSettingsAreStoredWholeOrNotAtAll)
{
    const std::map<std::string, int> fresh = {
        {"off line", 0}, {"device type", 2}, {"port number", 3}, {"baud rate", 1}, {"device address", 0x8a90}};
    const std::map<std::string, int> old = {
        {"off line", 0}, {"device type", 0}, {"port number", 0}, {"baud rate", 2}, {"device address", 0x9080}};
    for (int writes = 0; writes < 5; ++writes)
    {
        writeProfile(fresh);
        auto settings = std::make_unique<DeviceSettings>(&myDocument);
        writeProfile(old);
        {
            testing::internal::CaptureStderr(); // where a failure is told
            KilledAfterWrites killed(writes);
            settings.reset();
            testing::internal::GetCapturedStderr();
        }
        // Never a new model with an old address: all of them or none.
        EXPECT_EQ(writes == 0 ? old : fresh, readProfile()) << writes;
    }
}

TEST_F(OpenDeviceDialogTest, SettingsTellTheirValuesAsTheDocumentNeedsThem)
{
    const struct
    {
        int offLine, type, port, baud, address;
        std::uint32_t portNumber, baudRate;
    } cases[] = {
        {0, 1, 9, 0, 0xfffe, 10, 9600},
        {0, 2, 4, 1, 0x8a90, 5, 19200},
        {1, 2, 4, 1, 0x8a90, 0, 19200},
    };
    for (const auto& c : cases)
    {
        writeProfile({{"off line", c.offLine},
                      {"device type", c.type},
                      {"port number", c.port},
                      {"baud rate", c.baud},
                      {"device address", c.address}});
        DeviceSettings settings(&myDocument);
        EXPECT_EQ(c.offLine != 0, settings.isOffLine());
        EXPECT_EQ(c.type, settings.deviceType());
        EXPECT_EQ(c.portNumber, settings.portNumber());
        EXPECT_EQ(c.baudRate, settings.baudRate());
        EXPECT_EQ(c.address, settings.deviceAddress());
    }
}

TEST_F(OpenDeviceDialogTest, TheKq310FixesAddressAndRate)
{
    writeProfile({{"baud rate", 0}});
    run([&](Window&) {
        myUser.pick(theDeviceType, 0);
        expectShown({"KQ310", "COM1", "38400 baud", "9080", false});
        EXPECT_FALSE(enabled(theAddress));
        EXPECT_FALSE(enabled(theSpin));
        EXPECT_FALSE(enabled(theBaudRate));
        EXPECT_TRUE(enabled(thePort));

        myUser.pick(theDeviceType, 1);
        expectShown({"KQ330", "COM1", "38400 baud", "9080", false});
        EXPECT_TRUE(enabled(theAddress));
        EXPECT_TRUE(enabled(theSpin));
        EXPECT_TRUE(enabled(theBaudRate));
        myUser.click(Platform::DialogResult::ok);
    });
    EXPECT_EQ(1, readProfile()["device type"]);
    EXPECT_EQ(0x9080, readProfile()["device address"]);
}

TEST_F(OpenDeviceDialogTest, OffLineDisablesTheCommunications)
{
    run([&](Window&) {
        myUser.click(theOffLine);
        EXPECT_TRUE(myUser.control(theOffLine).isChecked());
        for (int id : {thePort, theBaudRate, theAddress, theSpin})
        {
            EXPECT_FALSE(enabled(id)) << id;
        }
        EXPECT_TRUE(enabled(theDeviceType));
        myUser.click(theOffLine);
        for (int id : {thePort, theBaudRate, theAddress, theSpin})
        {
            EXPECT_TRUE(enabled(id)) << id;
        }
        myUser.click(theOffLine);
        myUser.click(Platform::DialogResult::ok);
    });
    EXPECT_EQ(1, readProfile()["off line"]);
}

TEST_F(OpenDeviceDialogTest, APortOpenAlreadyFixesItsRate)
{
    Emulator::UnitEmulator emulator;
    myProfile.map(2, emulator.devicePath());
    emulator.addUnit(0x8280, Emulator::Kq330Unit::freshValues());
    {
        writeProfile({{"device type", 1}, {"port number", 1}, {"baud rate", 1}});
        DeviceSettings chosen(&myDocument);
        DeviceKey key(0, 0);
        ASSERT_TRUE(myDocument.createKq330Device(key, chosen));
    }
    writeProfile({{"device type", 1}, {"port number", 0}, {"baud rate", 2}});
    run([&](Window&) {
        EXPECT_EQ("38400 baud", myUser.control(theBaudRate).text());
        myUser.pick(thePort, 1);
        EXPECT_EQ("19200 baud", myUser.control(theBaudRate).text());
        EXPECT_FALSE(enabled(theBaudRate));
        myUser.pick(thePort, 2);
        EXPECT_EQ("19200 baud", myUser.control(theBaudRate).text());
        EXPECT_TRUE(enabled(theBaudRate));
        myUser.click(Platform::DialogResult::cancel);
    });
    EXPECT_EQ(1, readProfile()["baud rate"]);
    EXPECT_EQ(2, readProfile()["port number"]);
}

TEST_F(OpenDeviceDialogTest, TheUpDownStepsThroughBusAddressesOnly)
{
    writeProfile({{"device address", 0x82f8}});
    run([&](Window&) {
        std::vector<std::string> seen;
        for (int step = 0; step < 4; ++step)
        {
            myUser.spin(theSpin, ScriptedUser::Arrow::Up);
            seen.push_back(myUser.control(theAddress).text());
        }
        EXPECT_EQ(std::vector<std::string>({"82fa", "82fc", "82fe", "8380"}), seen);

        seen.clear();
        for (int step = 0; step < 3; ++step)
        {
            myUser.spin(theSpin, ScriptedUser::Arrow::Down);
            seen.push_back(myUser.control(theAddress).text());
        }
        EXPECT_EQ(std::vector<std::string>({"82fe", "82fc", "82fa"}), seen);

        // Held, it goes faster, and still lands on bus addresses.
        for (double held : {0.0, 2.5, 4.5, 8.5, 8.5, 8.5})
        {
            myUser.spin(theSpin, ScriptedUser::Arrow::Up, held);
            const unsigned address = std::stoul(myUser.control(theAddress).text(), nullptr, 16);
            EXPECT_EQ(0x8080u, address & 0x8080) << std::hex << address;
            EXPECT_EQ(0u, address & 1) << std::hex << address;
        }
        EXPECT_EQ("84d0", myUser.control(theAddress).text());
        myUser.click(Platform::DialogResult::ok);
    });
    EXPECT_EQ(0x84d0, readProfile()["device address"]);
}

TEST_F(OpenDeviceDialogTest, TheUpDownStopsAtTheLowestAddress)
{
    run([&](Window&) {
        myUser.spin(theSpin, ScriptedUser::Arrow::Down);
        EXPECT_EQ("8280", myUser.control(theAddress).text());
        myUser.spin(theSpin, ScriptedUser::Arrow::Up);
        EXPECT_EQ("8282", myUser.control(theAddress).text());
        myUser.click(Platform::DialogResult::cancel);
    });
    EXPECT_EQ(0x8282, readProfile()["device address"]);
}

TEST_F(OpenDeviceDialogTest, ATypedAddressIsNormalisedOrDropped)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"8281", "8280"}, {"9000", "9080"}, {"fffd", "fffc"}, {"ffff", "8280"}, {"7000", "8280"}, {"zz", "8280"}, {"", "8280"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        writeProfile({{"device address", 0x8280}});
        run([&](Window&) {
            myUser.type(theAddress, c.first);
            myUser.leave(theAddress);
            EXPECT_EQ(c.second, myUser.control(theAddress).text());
            myUser.click(Platform::DialogResult::ok);
        });
        EXPECT_EQ(std::stoi(c.second, nullptr, 16), readProfile()["device address"]);
    }
}

TEST_F(OpenDeviceDialogTest, ATemplateMissingFromTheResourcesRunsNothing)
{
    Platform::Resources empty;
    DeviceSettings settings(&myDocument);
    OpenDeviceDialog dialog(&settings, empty);
    EXPECT_EQ(-1, dialog.doModal());
    EXPECT_EQ(0u, myUser.pendingAnswers());
}
