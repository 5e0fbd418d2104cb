// The document of open devices: keys, the port map, opening, closing, the
// conversion of errors and the Communications Error dialog, against the unit
// emulator on line.
#include "tests/support/PortProfile.h"

#include "Models/Device.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Framework/HelpViewer.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceException.h"
#include "Tessiva/DeviceSettings.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq310Unit.h"
#include "tests/emulator/models/Kq330Unit.h"
#include "tests/emulator/models/Kq350Unit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using Emulator::Kq310Unit;
using Emulator::Kq330Unit;
using Emulator::Kq350Unit;
using Emulator::UnitEmulator;
using Emulator::UnitFault;

namespace
{
enum Model
{
    Kq310 = 0,
    Kq330 = 1,
    Kq350 = 2
};

const unsigned thePort = 2;
const std::uint16_t theKq310Address = 0x9080; // the only address a KQ310 is opened at
const std::uint16_t theUnitAddress = 0x8280;

// A view that counts the document's updates.
class CountingView : public Platform::FormView
{
public:
    CountingView() : Platform::FormView(0) {}
    void onUpdate(Platform::FormView*, long) override { ++updates; }
    int updates = 0;
};

// Counts the notifications of the parameter it watches.
class CountingObserver : public Observer
{
public:
    void update(Subject*) override { ++updates; }
    int updates = 0;
};
}

class TessivaDocTest : public ::testing::Test
{
protected:
    TessivaDocTest()
    {
        myProfile.map(thePort, myEmulator.devicePath());
        myDocument.addView(myView);
    }

    ~TessivaDocTest() override { myDocument.removeView(myView); }

    // Settings as the dialog would leave them; aBaudIndex 0, 1, 2 for 9600,
    // 19200, 38400 (a KQ310 always gets 38400 and address 9080).
    std::unique_ptr<DeviceSettings> settings(bool anOffLine, Model aModel, unsigned aPort = thePort,
                                             int aBaudIndex = 2, std::uint16_t anAddress = theUnitAddress)
    {
        auto result = std::make_unique<DeviceSettings>(&myDocument);
        ControlCollection& values = result->controlCollection();
        values.find(DeviceSettings::deviceTypeId).setValue(ParameterValue(aModel));
        values.find(DeviceSettings::offLineId).setValue(ParameterValue(anOffLine ? 1 : 0));
        values.find(DeviceSettings::portIndexId).setValue(ParameterValue(static_cast<int>(aPort) - 1));
        if (aModel != Kq310)
        {
            values.find(DeviceSettings::deviceAddressId).setValue(ParameterValue(anAddress));
        }
        values.find(DeviceSettings::baudRateId).setValue(ParameterValue(aBaudIndex));
        return result;
    }

    // Opens a device of the model; the key it got through aKey.
    bool open(Model aModel, DeviceSettings& aSettings, DeviceKey& aKey)
    {
        switch (aModel)
        {
        case Kq310: return myDocument.createKq310Device(aKey, aSettings);
        case Kq330: return myDocument.createKq330Device(aKey, aSettings);
        case Kq350: return myDocument.createKq350Device(aKey, aSettings);
        }
        return false;
    }

    DeviceKey openOnLine(Model aModel, unsigned aPort = thePort, int aBaudIndex = 2,
                         std::uint16_t anAddress = theUnitAddress)
    {
        DeviceKey key(0, 0);
        std::unique_ptr<DeviceSettings> chosen = settings(false, aModel, aPort, aBaudIndex, anAddress);
        EXPECT_TRUE(open(aModel, *chosen, key));
        return key;
    }

    bool portOpen(short aPort, Platform::LineSettings* aSettings = nullptr)
    {
        return myDocument.isPortOpen(aSettings, aPort);
    }

    PortProfile myProfile;
    UnitEmulator myEmulator;
    CTessivaDoc myDocument;
    CountingView myView;
};

TEST_F(TessivaDocTest, OffLineOpeningsOfEveryModelGetFreshKeys)
{
    const Model models[] = {Kq310, Kq330, Kq350};
    for (std::uint32_t n = 0; n < 3; ++n)
    {
        std::unique_ptr<DeviceSettings> chosen = settings(true, models[n]);
        DeviceKey key(9, 9);
        ASSERT_TRUE(open(models[n], *chosen, key));
        EXPECT_EQ(DeviceKey(0, n), key);
        EXPECT_NE(nullptr, myDocument.findDevice(key));
    }
    EXPECT_EQ(3u, myDocument.deviceCount());

    // The counter is never lowered: a closed key is not handed out again.
    myDocument.closeDevice(DeviceKey(0, 1));
    EXPECT_FALSE(myDocument.hasDevice(DeviceKey(0, 1)));
    std::unique_ptr<DeviceSettings> again = settings(true, Kq330);
    DeviceKey key(9, 9);
    ASSERT_TRUE(myDocument.createKq330Device(key, *again));
    EXPECT_EQ(DeviceKey(0, 3), key);
    EXPECT_EQ(4u, myDocument.offLineCount());
    EXPECT_FALSE(portOpen(thePort));
}

TEST_F(TessivaDocTest, OpensEachModelOnLineAtItsKey)
{
    myEmulator.addUnit(theKq310Address, Kq310Unit::freshValues());
    myEmulator.addUnit(0x8280, Kq330Unit::freshValues());
    myEmulator.addUnit(0x8282, Kq350Unit::freshValues());

    EXPECT_EQ(DeviceKey(thePort, theKq310Address), openOnLine(Kq310));
    EXPECT_EQ(DeviceKey(thePort, 0x8280), openOnLine(Kq330, thePort, 2, 0x8280));
    EXPECT_EQ(DeviceKey(thePort, 0x8282), openOnLine(Kq350, thePort, 2, 0x8282));
    ASSERT_EQ(3u, myDocument.deviceCount());

    Platform::LineSettings line;
    EXPECT_TRUE(portOpen(thePort, &line));
    EXPECT_EQ(38400u, line.baudRate);
    // Each device reaches its own unit.
    myDocument.pollDevice(DeviceKey(thePort, 0x8282));
    myDocument.refreshDevice(DeviceKey(thePort, theKq310Address));
}

TEST_F(TessivaDocTest, TheSamePortAndAddressTwiceIsIgnored)
{
    myEmulator.addUnit(theKq310Address, Kq310Unit::freshValues());
    const DeviceKey first = openOnLine(Kq310);

    std::unique_ptr<DeviceSettings> chosen = settings(false, Kq310);
    DeviceKey key(0, 0);
    myEmulator.clearLog();
    EXPECT_FALSE(myDocument.createKq310Device(key, *chosen));
    EXPECT_EQ(first, key);
    EXPECT_EQ(1u, myDocument.deviceCount());
    EXPECT_TRUE(myEmulator.log().empty()) << "the unit was talked to";

    // The port was not opened a second time: one close releases it.
    myDocument.closeDevice(first);
    EXPECT_FALSE(portOpen(thePort));
}

TEST_F(TessivaDocTest, DevicesOnOnePortShareItUntilTheLastCloses)
{
    myEmulator.addUnit(0x8280, Kq330Unit::freshValues());
    myEmulator.addUnit(0x8282, Kq330Unit::freshValues());
    const DeviceKey first = openOnLine(Kq330, thePort, 1, 0x8280);
    const DeviceKey second = openOnLine(Kq330, thePort, 1, 0x8282);

    myDocument.closeDevice(first);
    Platform::LineSettings line;
    EXPECT_TRUE(portOpen(thePort, &line));
    EXPECT_EQ(19200u, line.baudRate);
    myDocument.pollDevice(second);

    myDocument.closeDevice(second);
    EXPECT_FALSE(portOpen(thePort));
    EXPECT_EQ(0u, myDocument.deviceCount());
}

TEST_F(TessivaDocTest, APortOpenAtAnotherRateIsRefused)
{
    myEmulator.addUnit(theKq310Address, Kq310Unit::freshValues());
    myEmulator.addUnit(0x8280, Kq330Unit::freshValues());
    const DeviceKey first = openOnLine(Kq310);

    std::unique_ptr<DeviceSettings> chosen = settings(false, Kq330, thePort, 2, 0x8280);
    // The dialog fixes the rate of an open port; set behind its back, it is refused.
    chosen->controlCollection().find(DeviceSettings::baudRateId).setValue(ParameterValue(1));
    DeviceKey key(0, 0);
    try
    {
        static_cast<void>(myDocument.createKq330Device(key, *chosen));
        FAIL() << "opened";
    }
    catch (const DeviceException&)
    {
        FAIL() << "not a unit's error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("Tried to re-open a port at a different baud rate.", anError.what());
    }
    EXPECT_EQ(DeviceKey(thePort, 0x8280), key);
    EXPECT_FALSE(myDocument.hasDevice(key));
    myDocument.pollDevice(first);
    myDocument.closeDevice(first);
    EXPECT_FALSE(portOpen(thePort)) << "the refused opening was counted";
}

TEST_F(TessivaDocTest, ASilentUnitIsNotRespondingAndNothingIsStored)
{
    std::unique_ptr<DeviceSettings> chosen = settings(false, Kq310);
    DeviceKey key(0, 0);
    try
    {
        static_cast<void>(myDocument.createKq310Device(key, *chosen));
        FAIL() << "opened";
    }
    catch (const DeviceException& anError)
    {
        EXPECT_STREQ("The device is not responding.", anError.what());
        EXPECT_EQ(DeviceKey(thePort, theKq310Address), anError.key());
        // A copy keeps both.
        const DeviceException copy(anError);
        EXPECT_STREQ("The device is not responding.", copy.what());
        EXPECT_EQ(anError.key(), copy.key());
    }
    EXPECT_EQ(0u, myDocument.deviceCount());
    EXPECT_FALSE(portOpen(thePort));
}

TEST_F(TessivaDocTest, AFailedIdentificationPassesUnchanged)
{
    myEmulator.addUnit(0x8280, Kq330Unit::freshValues());
    myEmulator.setIdentification(0x8280, "KQ330", "1.02");
    std::unique_ptr<DeviceSettings> chosen = settings(false, Kq330, thePort, 2, 0x8280);
    DeviceKey key(0, 0);
    bool failed = false;
    try
    {
        static_cast<void>(myDocument.createKq330Device(key, *chosen));
    }
    catch (const DeviceException& anError)
    {
        ADD_FAILURE() << "turned into a device error: " << anError.what();
    }
    catch (const ProtocolException& anError)
    {
        ADD_FAILURE() << "a wire error: " << anError.what();
    }
    catch (const VornaException&)
    {
        failed = true;
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(0u, myDocument.deviceCount());
    EXPECT_FALSE(portOpen(thePort));
}

TEST_F(TessivaDocTest, PollErrorsBecomeDeviceErrorsWithTheKey)
{
    myEmulator.addUnit(theKq310Address, Kq310Unit::freshValues());
    const DeviceKey key = openOnLine(Kq310);
    myEmulator.injectFault(theKq310Address, UnitFault::badChecksum(UnitFault::forever));
    for (int pass = 0; pass < 2; ++pass)
    {
        try
        {
            if (pass == 0)
            {
                myDocument.pollDevice(key);
            }
            else
            {
                myDocument.refreshDevice(key);
            }
            ADD_FAILURE() << "no error in pass " << pass;
        }
        catch (const DeviceException& anError)
        {
            EXPECT_STREQ("The device is not responding.", anError.what());
            EXPECT_EQ(key, anError.key());
        }
    }
    EXPECT_TRUE(myDocument.hasDevice(key));
}

TEST_F(TessivaDocTest, DispatchersForAKeyThatIsGoneOnlyUpdateTheViews)
{
    std::unique_ptr<DeviceSettings> chosen = settings(true, Kq310);
    DeviceKey key(0, 0);
    ASSERT_TRUE(myDocument.createKq310Device(key, *chosen));
    CountingObserver observer;
    myDocument.attachControlObserver(key, ParameterId('B', 3), &observer);
    EXPECT_EQ(1, observer.updates);
    EXPECT_EQ(0, myView.updates);

    myDocument.closeDevice(key);
    EXPECT_EQ(1, myView.updates);
    EXPECT_EQ(nullptr, observer.subject());

    std::ostringstream out;
    std::istringstream in("not a configuration");
    CountingObserver late;
    myDocument.copyControlValue(key, ParameterId('E', 2), ParameterId('E', 7));
    myDocument.copyStatusValue(key, ParameterId('E', 6), ParameterId('F', 7));
    myDocument.attachControlObserver(key, ParameterId('B', 3), &late);
    myDocument.attachStatusObserver(key, ParameterId('C', 0), &late);
    myDocument.restoreConfiguration(in, key);
    myDocument.saveConfiguration(out, key);
    myDocument.writeTextReport(out, "title", key);
    myDocument.writeHtmlReport(out, "title", key);
    myDocument.pollDevice(key);
    myDocument.refreshDevice(key);
    EXPECT_EQ(11, myView.updates);
    EXPECT_EQ(0, late.updates);
    EXPECT_TRUE(out.str().empty());

    // Closing a key that is gone does nothing, not even an update.
    myDocument.closeDevice(key);
    EXPECT_EQ(11, myView.updates);
}

TEST_F(TessivaDocTest, DispatchersReachTheDeviceOfTheKey)
{
    std::unique_ptr<DeviceSettings> chosen = settings(true, Kq350);
    DeviceKey key(0, 0);
    ASSERT_TRUE(myDocument.createKq350Device(key, *chosen));
    std::ostringstream text;
    myDocument.writeTextReport(text, "Studio", key);
    EXPECT_NE(std::string::npos, text.str().find("Studio"));
    std::ostringstream configuration;
    myDocument.saveConfiguration(configuration, key);
    EXPECT_FALSE(configuration.str().empty());
    std::istringstream back(configuration.str());
    myDocument.restoreConfiguration(back, key);
    myDocument.pollDevice(key);
    EXPECT_EQ(0, myView.updates);
}

struct PacedOpening
{
    Model model;
    int baudIndex;
    unsigned baudRate;
};

class PacedOpeningTest : public TessivaDocTest, public ::testing::WithParamInterface<PacedOpening>
{
};

// The answer of a fresh unit to the request of its preset names is the
// longest frame of the opening (202 bytes), longer on the wire at 9600 baud
// than a read's time-out.
TEST_P(PacedOpeningTest, AFreshUnitOpensAtEachOfferedRate)
{
    const PacedOpening& given = GetParam();
    myEmulator.addUnit(theUnitAddress,
                       given.model == Kq350 ? Kq350Unit::freshValues() : Kq330Unit::freshValues());
    myEmulator.setBaudRate(given.baudRate);
    const DeviceKey key = openOnLine(given.model, thePort, given.baudIndex);
    EXPECT_EQ(DeviceKey(thePort, theUnitAddress), key);
    Platform::LineSettings line;
    EXPECT_TRUE(portOpen(thePort, &line));
    EXPECT_EQ(given.baudRate, line.baudRate);
    EXPECT_NE(nullptr, myDocument.findDevice(key));
}

INSTANTIATE_TEST_SUITE_P(Rates, PacedOpeningTest,
                         ::testing::Values(PacedOpening{Kq330, 0, 9600}, PacedOpening{Kq330, 1, 19200},
                                           PacedOpening{Kq330, 2, 38400}, PacedOpening{Kq350, 0, 9600},
                                           PacedOpening{Kq350, 1, 19200}, PacedOpening{Kq350, 2, 38400}));

TEST_F(TessivaDocTest, TeardownDeletesDevicesBeforeTheirPorts)
{
    myEmulator.addUnit(0x8280, Kq330Unit::freshValues());
    myEmulator.addUnit(0x8282, Kq350Unit::freshValues());
    auto document = std::make_unique<CTessivaDoc>();
    for (std::uint16_t address : {std::uint16_t(0x8280), std::uint16_t(0x8282)})
    {
        DeviceSettings chosen(document.get());
        ControlCollection& values = chosen.controlCollection();
        values.find(DeviceSettings::portIndexId).setValue(ParameterValue(static_cast<int>(thePort) - 1));
        values.find(DeviceSettings::deviceAddressId).setValue(ParameterValue(address));
        DeviceKey key(0, 0);
        ASSERT_TRUE(address == 0x8280 ? document->createKq330Device(key, chosen)
                                      : document->createKq350Device(key, chosen));
    }
    // Each device closes its port as it goes; the port must still be there
    // (the sanitizer builds see it otherwise).
    document.reset();
    // The line is free again: another document opens it.
    EXPECT_EQ(DeviceKey(thePort, 0x8280), openOnLine(Kq330, thePort, 2, 0x8280));
}

TEST_F(TessivaDocTest, NewDocumentIsTitledVorna)
{
    EXPECT_TRUE(myDocument.onNewDocument());
    EXPECT_EQ("Vorna", myDocument.title());
}

class CommunicationsErrorTest : public TessivaDocTest
{
protected:
    CommunicationsErrorTest() : myUser(myBackend), myApplication("Tessiva", resources()) {}

    static const Platform::Resources& resources()
    {
        static const Platform::Resources theResources = []() {
            Platform::Resources resources;
            CTessivaDoc::addResources(resources);
            return resources;
        }();
        return theResources;
    }

    Platform::HeadlessBackend myBackend;
    Platform::ScriptedUser myUser;
    Platform::Application myApplication;
};

TEST_F(CommunicationsErrorTest, ReconnectingUntilItWorksKeepsTheDevice)
{
    myEmulator.addUnit(theKq310Address, Kq310Unit::freshValues());
    const DeviceKey key = openOnLine(Kq310);
    // The exception's own text is not what the dialog shows.
    const DeviceException error("Incorrect checksum", key);
    myEmulator.injectFault(theKq310Address, UnitFault::badChecksum(UnitFault::forever));

    std::vector<std::string> texts;
    const auto reconnect = [&](Platform::Window& aDialog) {
        EXPECT_EQ("Communications Error", aDialog.text());
        texts.push_back(myUser.control(1054).text());
        EXPECT_EQ("Try To Reconnect", myUser.control(1).text());
        EXPECT_EQ("Close This Device", myUser.control(2).text());
        myUser.click(1);
    };
    myUser.expectDialog(CTessivaDoc::communicationsErrorDialogId, reconnect);
    myUser.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Platform::Window& aDialog) {
        myEmulator.clearFaults(theKq310Address);
        reconnect(aDialog);
    });
    myDocument.handleCommunicationsError(error);
    myUser.finish();
    EXPECT_EQ(std::vector<std::string>(2, "The device is not responding."), texts);
    EXPECT_TRUE(myDocument.hasDevice(key));
    myDocument.pollDevice(key);
}

TEST_F(CommunicationsErrorTest, AnyOtherAnswerClosesTheDevice)
{
    myEmulator.addUnit(theKq310Address, Kq310Unit::freshValues());
    const std::vector<std::function<void()>> answers = {
        [&]() { myUser.click(2); },
        [&]() { myUser.pressEscape(); },
        [&]() { myUser.closeWindow(); },
    };
    for (std::size_t n = 0; n < answers.size(); ++n)
    {
        SCOPED_TRACE(n);
        const DeviceKey key = openOnLine(Kq310);
        const DeviceException error("The device is not responding.", key);
        myUser.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Platform::Window&) { answers[n](); });
        const int updatesBefore = myView.updates;
        myDocument.handleCommunicationsError(error);
        myUser.finish();
        EXPECT_FALSE(myDocument.hasDevice(key));
        EXPECT_FALSE(portOpen(thePort));
        EXPECT_EQ(updatesBefore + 1, myView.updates);
    }
}

TEST_F(CommunicationsErrorTest, ReportErrorShowsItsText)
{
    myUser.expectMessageBox("This is not a valid configuration file for this device");
    myDocument.reportErrorAndClose(VornaException("This is not a valid configuration file for this device"));
    myUser.finish();
}

TEST_F(CommunicationsErrorTest, HelpTopicsWithoutAViewerOrTheFileSaysSo)
{
    const std::string text = "There was an error displaying the help file, 'Tessiva.chm.'  "
                             "The help file and/or a suitable HTML Help file viewer "
                             "may not be properly installed on your system";
    myUser.expectMessageBox(text);
    EXPECT_TRUE(myDocument.runCommand(CTessivaDoc::helpTopicsCommand));
    myUser.finish();

    // The project has no help file beside the program: an opener that takes
    // anything changes nothing, and it is never handed the missing file.
    ASSERT_FALSE(std::filesystem::exists(Platform::HelpViewer::pathOf("Tessiva.chm")));
    myBackend.setDesktopOpens(true);
    const std::size_t handedOver = myBackend.openedDocuments().size();
    myUser.expectMessageBox(text);
    EXPECT_TRUE(myDocument.runCommand(CTessivaDoc::helpTopicsCommand));
    myUser.finish();
    EXPECT_EQ(handedOver, myBackend.openedDocuments().size());
}
