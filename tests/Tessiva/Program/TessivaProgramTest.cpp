// The remote-control program as a whole, headless: a scripted user answers
// its dialogs and drives the poll timer; the unit emulator is the unit on line.
#include "tests/support/FullDisk.h"
#include "tests/support/PortLink.h"
#include "tests/support/PortProfile.h"

#include "Platform/FileReplacement.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/MinMaxInfo.h"
#include "Platform/ProfileStore.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceSettings.h"
#include "Tessiva/OpenDeviceDialog.h"
#include "Tessiva/Panels/DevicePanel.h"
#include "Tessiva/Panels/DeviceTabControl.h"
#include "Tessiva/Program/CMainFrame.h"
#include "Tessiva/Program/CTessivaApp.h"
#include "Tessiva/Program/FrontPanelFactory.h"
#include "Tessiva/Program/PanelFactory.h"
#include "Tessiva/Program/TessivaResources.h"
#include "Tessiva/Program/TessivaView.h"
#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/UnitFault.h"
#include "tests/emulator/models/Kq310Unit.h"
#include "tests/emulator/models/Kq350Unit.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <sys/stat.h>
#include <vector>

using Emulator::UnitEmulator;
using Emulator::UnitFault;
using Platform::CommandIds;
using Platform::FileDialogKind;
using Platform::ScriptedUser;
using Platform::Window;
using R = TessivaResources;

namespace
{
const int kq310 = 0;
const int kq330 = 1;
const int kq350 = 2;
const std::uint16_t kq310Address = 0x9080; // the only address a KQ310 is opened at
const unsigned cancel = Platform::DialogResult::cancel;
const char* const notResponding = "The device is not responding.";

// A program whose network support cannot start.
class NoSocketsApp : public CTessivaApp
{
protected:
    bool startSockets() override { return false; }
};

// Keeps the last value of the parameter it watches.
class ValueObserver : public Observer
{
public:
    void update(Subject* aSubject) override
    {
        Parameter* parameter = dynamic_cast<Parameter*>(aSubject);
        if (parameter != nullptr)
        {
            value = parameter->value().toShort();
        }
    }
    int value = -1000;
};

// Looks at the screen while a panel is made: the device is open by then.
class WatchingPanelFactory : public PanelFactory
{
public:
    explicit WatchingPanelFactory(Platform::HeadlessBackend& aBackend) : myBackend(aBackend) {}

    std::unique_ptr<DevicePanel> createPanel(int aDeviceType, Window* aTabControl, const DeviceKey& aKey,
                                             CTessivaDoc& aDocument, TessivaView& aView) override
    {
        for (Window* window : myBackend.openWindows())
        {
            if (window->templateId() == TessivaResources::openingDeviceBox && window->isShown())
            {
                boxText = window->findChild(TessivaResources::openingText)->text();
                boxCaption = window->text();
            }
        }
        waitCursor = myBackend.isWaitCursorShown();
        timerRunning = myBackend.isTimerRunning(aView.window(), TessivaView::pollTimer);
        return PanelFactory::createPanel(aDeviceType, aTabControl, aKey, aDocument, aView);
    }

    std::string boxText;
    std::string boxCaption;
    bool waitCursor = false;
    bool timerRunning = true;

private:
    Platform::HeadlessBackend& myBackend;
};

// A panel that cannot be made.
class FailingPanelFactory : public PanelFactory
{
public:
    std::unique_ptr<DevicePanel> createPanel(int, Window*, const DeviceKey&, CTessivaDoc&, TessivaView&) override
    {
        throw VornaException("Couldn't find parameter (42, 0)");
    }
};

std::string fileText(const std::string& aPath)
{
    std::ifstream in(aPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string tabText(const Window& aTabs, int anIndex)
{
    return aTabs.itemText(anIndex);
}
}

class TessivaProgramTest : public testing::Test
{
protected:
    TessivaProgramTest() : user(backend) { profile.map(1, emulator.devicePath()); }

    ~TessivaProgramTest() override { app.reset(); }

    // Starts the program; aDialog plays the Open Device dialog that the
    // start-up shows (Cancel when empty), and a message box with aMessage
    // follows it when that is not empty.
    void start(const ScriptedUser::DialogScript& aDialog = ScriptedUser::DialogScript(),
               const std::string& aMessage = std::string())
    {
        if (aDialog)
        {
            user.expectDialog(OpenDeviceDialog::templateId, aDialog);
        }
        else
        {
            user.expectDialog(OpenDeviceDialog::templateId, cancel);
        }
        if (!aMessage.empty())
        {
            user.expectMessageBox(aMessage);
        }
        app = std::make_unique<CTessivaApp>();
        app->setSplashWait([this](unsigned aMilliseconds) { splashWaits.push_back(aMilliseconds); });
        ASSERT_TRUE(app->start({}));
        user.lookAt(app->frame()->window());
        user.finish();
    }

    // The user's choices in the Open Device dialog.
    ScriptedUser::DialogScript choose(int aModel, bool anOffLine)
    {
        return [this, aModel, anOffLine](Window&) {
            user.pick(OpenDeviceDialog::deviceTypeComboId, aModel);
            if (user.control(OpenDeviceDialog::offLineCheckId).isChecked() != anOffLine)
            {
                user.click(OpenDeviceDialog::offLineCheckId);
            }
            user.pick(OpenDeviceDialog::portComboId, 0);
            user.click(Platform::DialogResult::ok);
        };
    }

    void openDevice(int aModel, bool anOffLine)
    {
        user.expectDialog(OpenDeviceDialog::templateId, choose(aModel, anOffLine));
        ASSERT_TRUE(user.command(R::newDeviceCommand));
        user.finish();
    }

    TessivaView& view() const { return *app->view(); }
    Window& tabs() const { return *view().tabs().window(); }
    bool polling() const { return backend.isTimerRunning(view().window(), TessivaView::pollTimer); }
    bool enabled(unsigned aCommand) const { return app->frame()->queryCommand(aCommand).enabled; }

    PortProfile profile;
    UnitEmulator emulator;
    Platform::HeadlessBackend backend;
    ScriptedUser user;
    std::unique_ptr<CTessivaApp> app;
    std::vector<unsigned> splashWaits;
};

TEST_F(TessivaProgramTest, StartUpShowsTheSplashThenTheOpenDeviceDialogBeforeTheWindow)
{
    bool splashShown = false;
    app = std::make_unique<CTessivaApp>();
    app->setSplashWait([&](unsigned aMilliseconds) {
        splashWaits.push_back(aMilliseconds);
        for (Window* window : backend.openWindows())
        {
            if (window->templateId() == R::splashDialog)
            {
                const Platform::Rectangle placed = window->rectangle();
                const Platform::Rectangle screen = backend.screenArea();
                EXPECT_LE(std::abs(placed.left + placed.right - screen.width()), 1);
                EXPECT_LE(std::abs(placed.top + placed.bottom - screen.height()), 1);
                splashShown = window->findChild(R::splashPicture) != nullptr &&
                              window->findChild(R::splashPicture)->image() == R::splashBitmap;
            }
        }
    });
    user.expectDialog(OpenDeviceDialog::templateId, [&](Window& aDialog) {
        EXPECT_EQ(std::vector<unsigned>({1750u}), splashWaits);
        EXPECT_FALSE(app->frame()->window().isShown());
        EXPECT_FALSE(backend.isTimerRunning(app->view()->window(), TessivaView::pollTimer));
        aDialog.endDialog(cancel);
    });
    ASSERT_TRUE(app->start({}));
    user.lookAt(app->frame()->window());
    user.finish();

    EXPECT_TRUE(splashShown);
    for (Window* window : backend.openWindows())
    {
        EXPECT_NE(R::splashDialog, window->templateId());
    }
    EXPECT_EQ("Vorna", app->document()->title());
    EXPECT_EQ("Vorna - Tessiva", app->frame()->window().text());
    EXPECT_TRUE(app->frame()->window().isShown());
    // Cancel leaves no tab and a timer that polls nothing.
    EXPECT_EQ(0, tabs().itemCount());
    EXPECT_TRUE(polling());
    EXPECT_EQ(TessivaView::pollPeriod, backend.timerPeriod(view().window(), TessivaView::pollTimer));
    EXPECT_EQ(3u, user.tick(3));
    // The dialog's settings were written although it was cancelled.
    EXPECT_EQ(2, Platform::ProfileStore("Tessiva").getInt("Settings", "device type", -1));
}

TEST_F(TessivaProgramTest, WithoutDevicesOnlyNewDeviceIsEnabled)
{
    start();
    for (unsigned command : {R::closeDeviceCommand, R::saveConfigurationCommand, R::openConfigurationCommand,
                             R::exportTextCommand, R::exportHtmlCommand})
    {
        EXPECT_FALSE(enabled(command)) << command;
    }
    EXPECT_TRUE(enabled(R::newDeviceCommand));
    openDevice(kq350, true);
    EXPECT_TRUE(enabled(R::closeDeviceCommand));
    EXPECT_TRUE(enabled(R::exportHtmlCommand));
}

TEST_F(TessivaProgramTest, SocketsThatDoNotStartEndTheProgramBeforeAnyWindow)
{
    NoSocketsApp program;
    user.expectMessageBox("Windows sockets initialization failed.");
    EXPECT_FALSE(program.start({}));
    EXPECT_EQ(nullptr, program.frame());
    user.finish();
}

struct PlacementCase
{
    std::vector<int> stored; // flags, showCmd, x1, y1, x2, y2
    bool restored;
    Platform::Rectangle expected;
};

class PlacementTest : public TessivaProgramTest, public testing::WithParamInterface<PlacementCase>
{
};

TEST_P(PlacementTest, TheStoredPlacementIsRestoredAndKeptOnTheScreen)
{
    const char* const names[] = {"flags", "showCmd", "x1", "y1", "x2", "y2"};
    {
        Platform::ProfileStore store("Tessiva");
        for (std::size_t i = 0; i < GetParam().stored.size(); ++i)
        {
            ASSERT_TRUE(store.writeInt("Settings", names[i], GetParam().stored[i]));
        }
    }
    start();
    const Platform::Rectangle placed = app->frame()->window().rectangle();
    if (GetParam().restored)
    {
        EXPECT_EQ(GetParam().expected.left, placed.left);
        EXPECT_EQ(GetParam().expected.top, placed.top);
        EXPECT_EQ(GetParam().expected.right, placed.right);
        EXPECT_EQ(GetParam().expected.bottom, placed.bottom);
    }
    else
    {
        EXPECT_NE(GetParam().expected.left, placed.left);
    }
    EXPECT_TRUE(app->frame()->window().isShown());
}

// The headless screen is 1024 by 768 with 32-pixel icons.
INSTANTIATE_TEST_SUITE_P(Placements, PlacementTest,
                         testing::Values(PlacementCase{{0, 1, 40, 30, 640, 500}, true, {40, 30, 640, 500}},
                                         PlacementCase{{0, 1, 5000, 900, 5600, 1200}, true, {992, 736, 5600, 1200}},
                                         PlacementCase{{0, 1, 992, 736, 1200, 900}, true, {992, 736, 1200, 900}},
                                         PlacementCase{{0, 1, 77, 30, -1, 500}, false, {77, 30, 0, 0}},
                                         PlacementCase{{0, 1, 77, 30, 640}, false, {77, 30, 0, 0}}));

TEST_F(TessivaProgramTest, ExitTheCloseBoxAndTheSessionEndSaveThePlacement)
{
    const std::vector<std::function<void(ScriptedUser&)>> ways = {
        [](ScriptedUser& aUser) { aUser.command(CommandIds::appExit); },
        [](ScriptedUser& aUser) { aUser.closeWindow(); },
        [](ScriptedUser& aUser) { aUser.endSession(); }};
    for (std::size_t way = 0; way < ways.size(); ++way)
    {
        {
            Platform::ProfileStore store("Tessiva");
            for (const char* name : {"flags", "showCmd", "x1", "y1", "x2", "y2"})
            {
                ASSERT_TRUE(store.writeInt("Settings", name, -1));
            }
        }
        start();
        openDevice(kq310, true);
        const Platform::Rectangle placed = app->frame()->window().rectangle();
        ways[way](user);
        EXPECT_TRUE(backend.isQuitPosted()) << way;
        Platform::ProfileStore store("Tessiva");
        EXPECT_EQ(1, store.getInt("Settings", "showCmd", -1)) << way;
        EXPECT_EQ(placed.left, store.getInt("Settings", "x1", -1)) << way;
        EXPECT_EQ(placed.top, store.getInt("Settings", "y1", -1)) << way;
        EXPECT_EQ(placed.right, store.getInt("Settings", "x2", -1)) << way;
        EXPECT_EQ(placed.bottom, store.getInt("Settings", "y2", -1)) << way;
        EXPECT_EQ(0, store.getInt("Settings", "flags", -1)) << way;
        app->exitInstance();
        app.reset();
    }
}

TEST_F(TessivaProgramTest, SettingsThatCannotBeWrittenAreToldOnceInTheWindow)
{
    const std::string ini = profile.folder() + "/Vorna/Tessiva.ini";
    std::filesystem::remove(ini);
    std::filesystem::create_directories(ini + "/keep"); // a folder where the file should be
    testing::internal::CaptureStderr();
    start(choose(kq310, true), "The connection settings could not be saved in " + ini + ": Is a directory");
    // The later failures go to the standard error only.
    openDevice(kq330, true);
    ASSERT_TRUE(user.command(CommandIds::appExit));
    user.finish();
    app->exitInstance();
    app.reset();
    const std::string told = testing::internal::GetCapturedStderr();
    for (const char* what : {"The connection settings", "The window placement", "The recent file list"})
    {
        EXPECT_NE(std::string::npos, told.find(std::string(what) + " could not be saved in " + ini)) << told;
    }
    EXPECT_TRUE(std::filesystem::is_directory(ini + "/keep"));
}

// A close asked for by a signal comes as a close of the window: no box may
// hold up the exit then, however the close was asked for.
TEST_F(TessivaProgramTest, SettingsThatCannotBeWrittenAsTheProgramClosesAreToldOnTheStandardErrorOnly)
{
    const std::string ini = profile.folder() + "/Vorna/Tessiva.ini";
    const std::vector<std::function<void(ScriptedUser&)>> ways = {
        [](ScriptedUser& aUser) { aUser.command(CommandIds::appExit); },
        [](ScriptedUser& aUser) { aUser.closeWindow(); },
        [](ScriptedUser& aUser) { aUser.endSession(); }};
    for (std::size_t way = 0; way < ways.size(); ++way)
    {
        std::filesystem::remove_all(ini);
        start();
        std::filesystem::remove(ini);
        std::filesystem::create_directories(ini + "/keep"); // a folder where the file should be
        const std::size_t boxes = backend.messageBoxes().size();
        testing::internal::CaptureStderr();
        EXPECT_NO_THROW(ways[way](user)) << way; // the scripted user throws at a box it does not expect
        EXPECT_TRUE(backend.isQuitPosted()) << way;
        EXPECT_NO_THROW(app->exitInstance()) << way;
        app.reset();
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(boxes, backend.messageBoxes().size()) << way;
        for (const char* what : {"The window placement", "The recent file list"})
        {
            EXPECT_NE(std::string::npos, told.find(std::string(what) + " could not be saved in " + ini)) << told;
        }
    }
}

// A destructor may run while an exception unwinds: it shows no box, even
// while the program runs on (a box it did show would end this test).
TEST_F(TessivaProgramTest, ConnectionSettingsWrittenByTheirDestructorAreToldOnTheStandardErrorOnly)
{
    const std::string ini = profile.folder() + "/Vorna/Tessiva.ini";
    start();
    std::filesystem::remove(ini);
    std::filesystem::create_directories(ini + "/keep");
    const std::size_t boxes = backend.messageBoxes().size();
    testing::internal::CaptureStderr();
    {
        DeviceSettings settings(app->document());
    }
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(boxes, backend.messageBoxes().size());
    EXPECT_NE(std::string::npos, told.find("The connection settings could not be saved in " + ini)) << told;
}

TEST_F(TessivaProgramTest, TheFrameCannotBeDraggedLargerThan125By41Characters)
{
    start();
    CMainFrame& frame = *app->frame();
    Platform::MinMaxInfo info;
    frame.onGetMinMaxInfo(info);
    EXPECT_EQ(frame.averageCharacterWidth() * 125, info.maximumTrackWidth);
    EXPECT_EQ(frame.characterHeight() * 41, info.maximumTrackHeight);
    const Platform::Rectangle taken = frame.resizeByUser(Platform::Rectangle(0, 0, 5000, 5000));
    EXPECT_EQ(info.maximumTrackWidth, taken.width());
    EXPECT_EQ(info.maximumTrackHeight, taken.height());
}

TEST_F(TessivaProgramTest, OffLineDevicesOfEveryModelGetATabEach)
{
    start(choose(kq310, true));
    openDevice(kq330, true);
    openDevice(kq350, true);
    ASSERT_EQ(3, tabs().itemCount());
    EXPECT_EQ("Kq310 (Offline 0)", tabText(tabs(), 0));
    EXPECT_EQ("Kq350 (Offline 1)", tabText(tabs(), 1));
    EXPECT_EQ("Kq350 (Offline 2)", tabText(tabs(), 2));
    EXPECT_EQ(2, tabs().selection());
    EXPECT_EQ(3u, app->document()->deviceCount());
    // Only the newest panel shows.
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(i == 2, view().tabs().panel(i)->window()->isShown()) << i;
    }
    EXPECT_TRUE(backend.messageBoxes().empty());
    EXPECT_TRUE(polling());

    ASSERT_TRUE(user.selectTab(R::deviceTabControl, 0));
    EXPECT_TRUE(view().tabs().panel(0)->window()->isShown());
    EXPECT_FALSE(view().tabs().panel(2)->window()->isShown());
    EXPECT_EQ(3u, user.tick(3));
}

TEST_F(TessivaProgramTest, AKq310OnLineIsPolledGroupByGroupOnItsTab)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    start(choose(kq310, false));
    ASSERT_EQ(1, tabs().itemCount());
    EXPECT_EQ("Kq310 (COM1, 9080)", tabText(tabs(), 0));
    ASSERT_TRUE(polling());

    const DeviceKey key(1, kq310Address);
    ValueObserver locked;
    ValueObserver state;
    ValueObserver sampleRate;
    app->document()->attachStatusObserver(key, ParameterId('I', 0), &locked);
    app->document()->attachStatusObserver(key, ParameterId('F', 0), &state);
    app->document()->attachStatusObserver(key, ParameterId('C', 0), &sampleRate);
    const int lockedBefore = locked.value;
    const int stateBefore = state.value;
    const int rateBefore = sampleRate.value;
    emulator.setValue(kq310Address, 'I', 0, UnitEmulator::integer(lockedBefore == 1 ? 0 : 1));
    emulator.setValue(kq310Address, 'F', 0, UnitEmulator::integer(stateBefore == 2 ? 1 : 2));
    emulator.setValue(kq310Address, 'C', 0, UnitEmulator::integer(rateBefore == 1 ? 2 : 1));

    // The ring starts where the opening left it; each tick takes one group.
    std::vector<char> order;
    for (int tick = 0; tick < 3; ++tick)
    {
        const int l = locked.value, s = state.value, r = sampleRate.value;
        ASSERT_EQ(1u, user.tick());
        if (locked.value != l) order.push_back('I');
        if (state.value != s) order.push_back('F');
        if (sampleRate.value != r) order.push_back('C');
        ASSERT_EQ(static_cast<std::size_t>(tick + 1), order.size()) << "one group per tick";
    }
    std::vector<char> ring = order;
    std::sort(ring.begin(), ring.end());
    EXPECT_EQ(std::vector<char>({'C', 'F', 'I'}), ring);
    EXPECT_TRUE(backend.messageBoxes().empty());
}

TEST_F(TessivaProgramTest, TheSelectedDeviceIsPolledEveryFifteenMilliseconds)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    start(choose(kq310, false));
    ASSERT_EQ(1, tabs().itemCount());
    ASSERT_TRUE(polling());
    emulator.clearLog();
    // Three seconds of the program's time, as the timer counts them; the
    // unit answers each poll before the next falls due.
    EXPECT_EQ(200u, user.wait(3000));
    const std::vector<UnitEmulator::LogEntry> log = emulator.log();
    const auto polls = std::count_if(log.begin(), log.end(), [](const UnitEmulator::LogEntry& anEntry) {
        return anEntry.kind == UnitEmulator::LogEntry::Poll && anEntry.address == kq310Address;
    });
    EXPECT_EQ(200, polls);
    EXPECT_TRUE(backend.messageBoxes().empty());
}

TEST_F(TessivaProgramTest, AUnitThatStopsAnsweringBringsTheCommunicationsErrorDialog)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    start(choose(kq310, false));
    ASSERT_EQ(1, tabs().itemCount());
    emulator.injectFault(kq310Address, UnitFault::badChecksum(UnitFault::forever));
    bool timerStopped = false;
    user.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Window&) {
        timerStopped = !polling();
        user.click(Platform::DialogResult::cancel); // Close This Device
    });
    user.tick();
    user.finish();
    EXPECT_TRUE(timerStopped);
    EXPECT_EQ(0, tabs().itemCount());
    EXPECT_EQ(0u, app->document()->deviceCount());
    EXPECT_TRUE(polling());
}

TEST_F(TessivaProgramTest, ReconnectingKeepsTheDeviceAndPollingGoesOn)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    start(choose(kq310, false));
    emulator.injectFault(kq310Address, UnitFault::badChecksum(UnitFault::forever));
    user.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Window&) {
        emulator.clearFaults(kq310Address);
        user.click(Platform::DialogResult::ok); // Try To Reconnect
    });
    user.tick();
    user.finish();
    EXPECT_EQ(1, tabs().itemCount());
    EXPECT_TRUE(polling());
    EXPECT_EQ(1u, user.tick());
}

TEST_F(TessivaProgramTest, ReconnectingSucceedsOnceAVanishedLineIsBackUnderItsPath)
{
    PortLink link;
    ASSERT_TRUE(link.pointAt(emulator.devicePath()));
    profile.map(1, link.path());
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    start(choose(kq310, false));
    ASSERT_EQ(1, tabs().itemCount());
    UnitEmulator pluggedInAgain;
    pluggedInAgain.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());

    // Unplugged: the path goes, and the line hangs up at the unit's next answer.
    ASSERT_TRUE(link.remove());
    emulator.injectFault(kq310Address, UnitFault::hangUp());
    user.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Window&) {
        user.click(Platform::DialogResult::ok); // Try To Reconnect, while still away
    });
    user.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Window&) {
        EXPECT_TRUE(link.pointAt(pluggedInAgain.devicePath()));
        user.click(Platform::DialogResult::ok); // Try To Reconnect
    });
    testing::internal::CaptureStderr();
    user.tick();
    testing::internal::GetCapturedStderr();
    user.finish();
    EXPECT_EQ(1, tabs().itemCount());
    EXPECT_EQ(1u, app->document()->deviceCount());
    EXPECT_TRUE(polling());
    EXPECT_FALSE(pluggedInAgain.log().empty()) << "the re-read did not reach the unit";
    pluggedInAgain.clearLog();
    EXPECT_EQ(1u, user.tick());
    EXPECT_FALSE(pluggedInAgain.log().empty()) << "polling did not go on";
    EXPECT_TRUE(backend.messageBoxes().empty());
}

TEST_F(TessivaProgramTest, AFailedReReadWhenPollingRestartsClosesTheDevice)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    start(choose(kq310, false));
    emulator.injectFault(kq310Address, UnitFault::badChecksum(UnitFault::forever));
    user.expectDialog(R::aboutDialog, [&](Window& aDialog) {
        EXPECT_EQ("About Tessiva", aDialog.text());
        EXPECT_EQ("2.00", user.control(R::aboutVersion).text());
        EXPECT_FALSE(polling());
        user.click(Platform::DialogResult::ok);
    });
    user.expectMessageBox(notResponding);
    ASSERT_TRUE(user.command(CommandIds::appAbout));
    user.finish();
    EXPECT_EQ(0, tabs().itemCount());
    EXPECT_EQ(0u, app->document()->deviceCount());
    EXPECT_TRUE(polling());
}

TEST_F(TessivaProgramTest, TheAboutBoxStopsAndRestartsTheTimer)
{
    start(choose(kq350, true));
    user.expectDialog(R::aboutDialog, [&](Window&) {
        EXPECT_FALSE(polling());
        user.click(Platform::DialogResult::ok);
    });
    ASSERT_TRUE(user.command(CommandIds::appAbout));
    user.finish();
    EXPECT_TRUE(polling());
    EXPECT_EQ(1, tabs().itemCount());
}

TEST_F(TessivaProgramTest, OpeningAnOpenDeviceAgainAddsNothing)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    start(choose(kq310, false));
    openDevice(kq350, true);
    ASSERT_TRUE(user.selectTab(R::deviceTabControl, 0));
    openDevice(kq310, false);
    EXPECT_EQ(2, tabs().itemCount());
    EXPECT_EQ(0, tabs().selection());
    EXPECT_TRUE(backend.messageBoxes().empty());
}

TEST_F(TessivaProgramTest, AnOpeningThatFailsShowsTheErrorAndAddsNoTab)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    emulator.injectFault(kq310Address, UnitFault::badChecksum(UnitFault::forever));
    start(choose(kq310, false), notResponding);
    EXPECT_EQ(0, tabs().itemCount());
    EXPECT_TRUE(polling());
    // The box stood while the device was being opened, under the wait cursor.
    for (Window* window : backend.openWindows())
    {
        EXPECT_NE(R::openingDeviceBox, window->templateId());
    }
    EXPECT_FALSE(backend.isWaitCursorShown());
    EXPECT_GE(backend.waitCursorShowings(), 1u);
}

TEST_F(TessivaProgramTest, CloseDeviceRemovesTheSelectedTab)
{
    start(choose(kq310, true));
    openDevice(kq350, true);
    ASSERT_TRUE(user.selectTab(R::deviceTabControl, 0));
    ASSERT_TRUE(user.command(R::closeDeviceCommand));
    ASSERT_EQ(1, tabs().itemCount());
    EXPECT_EQ("Kq350 (Offline 1)", tabText(tabs(), 0));
    EXPECT_EQ(0, tabs().selection());
    EXPECT_TRUE(view().tabs().panel(0)->window()->isShown());
    EXPECT_TRUE(polling());
    ASSERT_TRUE(user.command(R::closeDeviceCommand));
    EXPECT_EQ(0, tabs().itemCount());
    EXPECT_FALSE(enabled(R::closeDeviceCommand));
}

struct FileCommandCase
{
    unsigned command;
    FileDialogKind kind;
    const char* extension;
    const char* filter;
    bool promptOverwrite;
};

class FileCommandTest : public TessivaProgramTest, public testing::WithParamInterface<FileCommandCase>
{
protected:
    TemporaryFolder folder;
};

TEST_P(FileCommandTest, AskForTheirFileAndShowAFileThatDoesNotOpen)
{
    const FileCommandCase& c = GetParam();
    start(choose(kq350, true));
    const std::string path = folder.pathOf("missing") + "/file." + c.extension;
    user.expectFileDialog(c.kind, path, c.filter);
    // The system's reason follows the message.
    user.expectMessageBox("Error opening " + path + ": No such file or directory");
    ASSERT_TRUE(user.command(c.command));
    user.finish();
    ASSERT_EQ(1u, backend.fileDialogs().size());
    const Platform::FileDialogRequest& request = backend.fileDialogs()[0];
    EXPECT_EQ(c.extension, request.defaultExtension);
    EXPECT_TRUE(request.hideReadOnly);
    EXPECT_EQ(c.promptOverwrite, request.promptOverwrite);
    EXPECT_TRUE(polling());

    // Cancel changes nothing and restarts the timer.
    user.expectFileDialogCancelled(c.kind);
    ASSERT_TRUE(user.command(c.command));
    user.finish();
    EXPECT_TRUE(polling());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FileCommandTest,
    testing::Values(FileCommandCase{R::saveConfigurationCommand, FileDialogKind::Save, "vnb",
                                    "Tessiva Files (*.vnb)|*.vnb|All Files (*.*)|*.*||", true},
                    FileCommandCase{R::openConfigurationCommand, FileDialogKind::Open, "vnb",
                                    "Tessiva Files (*.vnb)|*.vnb|All Files (*.*)|*.*||", false},
                    FileCommandCase{R::exportTextCommand, FileDialogKind::Save, "txt",
                                    "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", true},
                    FileCommandCase{R::exportHtmlCommand, FileDialogKind::Save, "htm",
                                    "HTML Files (*.htm)|*.htm|All Files (*.*)|*.*||", true}));

TEST_F(TessivaProgramTest, ConfigurationsAndReportsGoThroughTheSelectedDevice)
{
    TemporaryFolder folder;
    start(choose(kq350, true));
    user.expectFileDialog(FileDialogKind::Save, folder.pathOf("setup"));
    ASSERT_TRUE(user.command(R::saveConfigurationCommand));
    const std::string saved = fileText(folder.pathOf("setup.vnb"));
    EXPECT_FALSE(saved.empty());

    user.expectFileDialog(FileDialogKind::Open, folder.pathOf("setup.vnb"));
    ASSERT_TRUE(user.command(R::openConfigurationCommand));

    user.expectFileDialog(FileDialogKind::Save, folder.pathOf("report"));
    ASSERT_TRUE(user.command(R::exportTextCommand));
    user.expectFileDialog(FileDialogKind::Save, folder.pathOf("report.htm"));
    ASSERT_TRUE(user.command(R::exportHtmlCommand));
    user.finish();
    EXPECT_TRUE(backend.messageBoxes().empty());

    const std::string text = fileText(folder.pathOf("report.txt"));
    EXPECT_NE(std::string::npos, text.find("Data Rate: ")) << text.substr(0, 200);
    const std::string html = fileText(folder.pathOf("report.htm"));
    EXPECT_EQ(0u, html.find("<HTML><HEAD><TITLE>report</TITLE>")) << html.substr(0, 200);

    // A second save over the first writes the same settings again, whole.
    user.expectFileDialog(FileDialogKind::Save, folder.pathOf("setup.vnb"));
    ASSERT_TRUE(user.command(R::saveConfigurationCommand));
    EXPECT_EQ(saved, fileText(folder.pathOf("setup.vnb")));
}

TEST_F(TessivaProgramTest, TheOpeningBoxAndTheWaitCursorStandWhileTheDeviceOpens)
{
    auto ownedFactory = std::make_unique<WatchingPanelFactory>(backend);
    WatchingPanelFactory* factory = ownedFactory.get();
    user.expectDialog(OpenDeviceDialog::templateId, choose(kq350, true));
    app = std::make_unique<CTessivaApp>(std::move(ownedFactory));
    app->setSplashWait([](unsigned) {});
    ASSERT_TRUE(app->start({}));
    user.finish();
    EXPECT_EQ("Opening the device...", factory->boxText);
    EXPECT_EQ("Tessiva", factory->boxCaption);
    EXPECT_TRUE(factory->waitCursor);
    EXPECT_FALSE(factory->timerRunning);
    EXPECT_FALSE(backend.isWaitCursorShown());
    for (Window* window : backend.openWindows())
    {
        EXPECT_NE(R::openingDeviceBox, window->templateId());
    }
    EXPECT_TRUE(polling());
}

// The program as main builds it, with the models' own front panels.
TEST_F(TessivaProgramTest, TheModelsFrontPanelsFillTheTabs)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    user.expectDialog(OpenDeviceDialog::templateId, choose(kq310, false));
    app = std::make_unique<CTessivaApp>(std::make_unique<FrontPanelFactory>());
    app->setSplashWait([](unsigned) {});
    ASSERT_TRUE(app->start({}));
    user.lookAt(app->frame()->window());
    user.finish();
    openDevice(kq350, true);
    ASSERT_EQ(2, tabs().itemCount());
    EXPECT_EQ("Kq310 (COM1, 9080)", tabText(tabs(), 0));
    // The unit panel names itself after the unit.
    EXPECT_EQ("KQ350 (Offline 0)", tabText(tabs(), 1));
    std::string name;
    view().tabs().panel(0)->getName(name);
    EXPECT_EQ("Kq310", name);
    ASSERT_TRUE(user.selectTab(R::deviceTabControl, 0));
    EXPECT_EQ(6u, user.tick(6));
    EXPECT_TRUE(backend.messageBoxes().empty());
    EXPECT_EQ(2u, app->document()->deviceCount());
}

TEST_F(TessivaProgramTest, OnlyTheDeviceOnTheSelectedTabIsPolled)
{
    const std::uint16_t unitAddress = 0x8280;
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    emulator.addUnit(unitAddress, Emulator::Kq350Unit::freshValues());
    start(choose(kq310, false));
    user.expectDialog(OpenDeviceDialog::templateId, [&](Window&) {
        user.pick(OpenDeviceDialog::deviceTypeComboId, kq350);
        user.type(OpenDeviceDialog::addressEditId, "8280");
        user.click(Platform::DialogResult::ok);
    });
    ASSERT_TRUE(user.command(R::newDeviceCommand));
    user.finish();
    ASSERT_EQ(2, tabs().itemCount());
    ASSERT_EQ(1, tabs().selection());
    EXPECT_EQ("Kq350 (COM1, 8280)", tabText(tabs(), 1));

    ValueObserver kq310Locked;
    ValueObserver kq350Locked;
    app->document()->attachStatusObserver(DeviceKey(1, kq310Address), ParameterId('I', 0), &kq310Locked);
    app->document()->attachStatusObserver(DeviceKey(1, unitAddress), ParameterId('I', 0), &kq350Locked);
    const int kq310Before = kq310Locked.value;
    const int kq350Before = kq350Locked.value;
    emulator.setValue(kq310Address, 'I', 0, UnitEmulator::integer(kq310Before == 1 ? 0 : 1));
    emulator.setValue(unitAddress, 'I', 0, UnitEmulator::integer(kq350Before == 1 ? 0 : 1));

    // A whole ring of the KQ350 ('I', 'F', 'C', 'b', 'F', 'C').
    EXPECT_EQ(6u, user.tick(6));
    EXPECT_NE(kq350Before, kq350Locked.value);
    EXPECT_EQ(kq310Before, kq310Locked.value);

    ASSERT_TRUE(user.selectTab(R::deviceTabControl, 0));
    EXPECT_EQ(3u, user.tick(3));
    EXPECT_NE(kq310Before, kq310Locked.value);
    EXPECT_TRUE(backend.messageBoxes().empty());
}

TEST_F(TessivaProgramTest, ADeviceWhosePanelCannotBeMadeIsClosedAgain)
{
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    user.expectDialog(OpenDeviceDialog::templateId, choose(kq310, false));
    user.expectMessageBox("Couldn't find parameter (42, 0)");
    app = std::make_unique<CTessivaApp>(std::make_unique<FailingPanelFactory>());
    app->setSplashWait([](unsigned) {});
    ASSERT_TRUE(app->start({}));
    user.finish();
    EXPECT_EQ(0, tabs().itemCount());
    EXPECT_EQ(0u, app->document()->deviceCount());
    // The port was given back: nothing holds COM1 any more.
    EXPECT_FALSE(app->document()->isPortOpen(nullptr, 1));
    EXPECT_TRUE(polling());
}

struct FullDiskCase
{
    unsigned command;
    const char* extension;
};

class FullDiskTest : public TessivaProgramTest, public testing::WithParamInterface<FullDiskCase>
{
protected:
    // The names in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        {
            result.push_back(entry.path().filename().string());
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    TemporaryFolder folder;
};

TEST_P(FullDiskTest, ASaveThatCannotBeWrittenLeavesTheOldFileAndSaysSo)
{
    const FullDiskCase& c = GetParam();
    start(choose(kq350, true));
    const std::string name = std::string("old.") + c.extension;
    const std::string old(443, 'o');
    const std::string path = folder.write(name, old);
    const std::string fresh = folder.pathOf(std::string("new.") + c.extension);
    // The message tells the system's reason, whichever of the writer's steps met it.
    {
        FileSizeLimit tooLarge(100);
        for (const std::string& target : {path, fresh})
        {
            user.expectFileDialog(FileDialogKind::Save, target);
            user.expectMessageBox("Error saving " + target + ": File too large");
            ASSERT_TRUE(user.command(c.command));
            user.finish();
        }
    }
    {
        FullDisk full;
        user.expectFileDialog(FileDialogKind::Save, path);
        user.expectMessageBox("Error saving " + path + ": No space left on device");
        ASSERT_TRUE(user.command(c.command));
        user.finish();
    }
    EXPECT_EQ(old, fileText(path));
    // No half-written new file, no temporary file.
    EXPECT_EQ(std::vector<std::string>{name}, names());
    EXPECT_TRUE(polling());

    // With room again the same save replaces the old file whole.
    user.expectFileDialog(FileDialogKind::Save, path);
    ASSERT_TRUE(user.command(c.command));
    user.finish();
    EXPECT_NE(old, fileText(path));
    EXPECT_EQ(std::vector<std::string>{name}, names());
}

INSTANTIATE_TEST_SUITE_P(
    Saves, FullDiskTest,
    testing::Values(FullDiskCase{R::saveConfigurationCommand, "vnb"}, FullDiskCase{R::exportTextCommand, "txt"},
                    FullDiskCase{R::exportHtmlCommand, "htm"}));

TEST_F(TessivaProgramTest, OpenConfigurationRefusesAFifoAtOnce)
{
    TemporaryFolder folder;
    start(choose(kq350, true));
    const std::string fifo = folder.pathOf("fifo.vnb");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    // Opening the FIFO for reading would wait for a writer for ever.
    user.expectFileDialog(FileDialogKind::Open, fifo);
    user.expectMessageBox("Error opening " + fifo);
    ASSERT_TRUE(user.command(R::openConfigurationCommand));
    user.finish();
    EXPECT_TRUE(polling());
}

TEST_F(TessivaProgramTest, AConfigurationOfAnotherModelWritesNothingToTheUnit)
{
    // A KQ350's file names parameters that a KQ310 has, with other values,
    // before the first one that it lacks.
    TemporaryFolder folder;
    emulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
    start(choose(kq350, true));
    user.expectFileDialog(FileDialogKind::Save, folder.pathOf("kq350.vnb"));
    ASSERT_TRUE(user.command(R::saveConfigurationCommand));
    user.finish();

    openDevice(kq310, false);
    ASSERT_EQ(2, tabs().itemCount());
    ASSERT_EQ(1, tabs().selection());
    const auto writesBefore = emulator.writes(kq310Address);
    const auto valuesBefore = emulator.values(kq310Address);

    user.expectFileDialog(FileDialogKind::Open, folder.pathOf("kq350.vnb"));
    user.expectMessageBox("This is not a valid configuration file for this device");
    ASSERT_TRUE(user.command(R::openConfigurationCommand));
    user.finish();
    EXPECT_EQ(writesBefore, emulator.writes(kq310Address));
    EXPECT_TRUE(valuesBefore == emulator.values(kq310Address));
    EXPECT_TRUE(polling());
}
