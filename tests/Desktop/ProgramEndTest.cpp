// Both programs as they run on a desktop, each in a process of its own, ended
// by a signal or by the close box while they wait on a unit: how they end
// (their exit status), what they save on the way and what the unit received.
#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"
#include "tests/Desktop/InputTest.h"
#include "tests/Desktop/ScreenWindows.h"
#include "tests/Pellora/SRecordFiles.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/UnitFault.h"
#include "tests/emulator/models/Kq350Unit.h"
#include "tests/support/ChildProgram.h"
#include "tests/support/PortProfile.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using Platform::DesktopUser;

namespace
{
using Clock = std::chrono::steady_clock;
using Entry = Emulator::UnitEmulator::LogEntry;

// The top-level windows on the display, found by their titles from outside
// the program, as a person sees them.
class ScreenWindows
{
public:
    ScreenWindows() : myDisplay(XOpenDisplay(nullptr)) {}
    ~ScreenWindows()
    {
        if (myDisplay != nullptr)
        {
            XCloseDisplay(myDisplay);
        }
    }
    ScreenWindows(const ScreenWindows&) = delete;
    ScreenWindows& operator=(const ScreenWindows&) = delete;

    // The titles of the windows showing now.
    std::vector<std::string> shown()
    {
        std::vector<std::string> titles;
        if (myDisplay != nullptr)
        {
            collect(DefaultRootWindow(myDisplay), titles, nullptr, std::string());
        }
        return titles;
    }

    // A window showing whose title is aTitle, or 0.
    ::Window find(const std::string& aTitle)
    {
        std::vector<std::string> titles;
        ::Window found = 0;
        if (myDisplay != nullptr)
        {
            collect(DefaultRootWindow(myDisplay), titles, &found, aTitle);
        }
        return found;
    }

    ::Window waitFor(const std::string& aTitle, std::chrono::milliseconds aTimeout)
    {
        const Clock::time_point deadline = Clock::now() + aTimeout;
        for (;;)
        {
            if (const ::Window window = find(aTitle))
            {
                return window;
            }
            if (Clock::now() > deadline)
            {
                return 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    // The window manager's request to close, as the close box and Alt+F4 send it.
    void askToClose(::Window aWindow) { Platform::askToClose(aWindow); }

private:
    void collect(::Window aWindow, std::vector<std::string>& someTitles, ::Window* aFound, const std::string& aTitle)
    {
        ::Window root = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(myDisplay, aWindow, &root, &parent, &children, &count) == 0)
        {
            return;
        }
        for (unsigned n = 0; n < count; ++n)
        {
            XWindowAttributes attributes{};
            char* name = nullptr;
            if (XGetWindowAttributes(myDisplay, children[n], &attributes) != 0 &&
                attributes.map_state == IsViewable && XFetchName(myDisplay, children[n], &name) != 0 &&
                name != nullptr)
            {
                someTitles.push_back(name);
                if (aFound != nullptr && *aFound == 0 && aTitle == name)
                {
                    *aFound = children[n];
                }
                XFree(name);
            }
            collect(children[n], someTitles, aFound, aTitle);
        }
        if (children != nullptr)
        {
            XFree(children);
        }
    }

    Display* myDisplay;
};

std::string joined(const std::vector<std::string>& someTexts)
{
    std::string text;
    for (const std::string& each : someTexts)
    {
        text += "\"" + each + "\" ";
    }
    return text;
}

// Whether the process catches aSignal, as its status in /proc tells.
bool catches(pid_t aProcess, int aSignal)
{
    std::ifstream status("/proc/" + std::to_string(aProcess) + "/status");
    std::string line;
    while (std::getline(status, line))
    {
        if (line.rfind("SigCgt:", 0) == 0)
        {
            const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask >> (aSignal - 1) & 1) != 0;
        }
    }
    return false;
}

// What went to the unit that is not a whole message: a frame cut off by the
// program's end shows here.
std::vector<Entry> cutMessages(const std::vector<Entry>& someEntries)
{
    std::vector<Entry> cut;
    std::copy_if(someEntries.begin(), someEntries.end(), std::back_inserter(cut),
                 [](const Entry& anEntry) { return anEntry.kind == Entry::Other; });
    return cut;
}

// The toolkit's caches that are no leaks of ours (tests/support/ToolkitLeakSuppressions.cpp).
extern "C" const char* __lsan_default_suppressions();

class ProgramEndTest : public Platform::InputTest
{
protected:
    void SetUp() override
    {
        Platform::InputTest::SetUp();
        // The file dialog keeps its settings in memory, not in a session bus
        // the display lacks, and keeps no list of recent files, which the
        // size limit would refuse.
        setenv("GSETTINGS_BACKEND", "memory", 1);
        const std::string toolkit = profile.folder() + "/gtk-3.0";
        mkdir(toolkit.c_str(), 0700);
        std::ofstream(toolkit + "/settings.ini") << "[Settings]\ngtk-recent-files-enabled=false\n";
        // Under the leak checker the programs are told of the toolkit's
        // lifelong caches as this test is, else their exit status says "leak".
        const std::string suppressions = profile.folder() + "/leaks.supp";
        std::ofstream(suppressions) << __lsan_default_suppressions();
        setenv("LSAN_OPTIONS", ("suppressions=" + suppressions).c_str(), 1);
        // The person's keys reach the display from the test's own thread:
        // the programs run in processes of their own.
        user.start([](DesktopUser&) {});
        user.finish();
    }

    ~ProgramEndTest() override
    {
        if (program != nullptr && !program->waitForEnd(0))
        {
            program->kill(SIGKILL);
        }
    }

    void start(const std::vector<std::string>& someArguments, const std::string& aProgram = VORNA_TESSIVA_PROGRAM)
    {
        program = std::make_unique<ChildProgram>(aProgram, someArguments);
    }

    // Tessiva offers a KQ350 on line at unitAddress on COM1 (or off line) in
    // its Open Device dialog, at 38400 baud.
    void offerKq350(bool anOffLine)
    {
        emulator.addUnit(unitAddress, Emulator::Kq350Unit::freshValues());
        emulator.setBaudRate(38400);
        emulator.setPacedReception(true);
        profile.map(1, emulator.devicePath());
        Platform::ProfileStore store("Tessiva");
        ASSERT_TRUE(store.writeInt("Settings", "device type", 2));
        ASSERT_TRUE(store.writeInt("Settings", "port number", 0));
        ASSERT_TRUE(store.writeInt("Settings", "baud rate", 2));
        ASSERT_TRUE(store.writeInt("Settings", "off line", anOffLine ? 1 : 0));
    }

    // Starts Tessiva, takes what its Open Device dialog offers and waits for
    // its window and, on line, for its polls.
    void startTessivaWithTheDevice(bool anOnLine)
    {
        start({});
        ASSERT_NE(0u, screen.waitFor("Open Device", std::chrono::seconds(20)))
            << "no Open Device dialog; showing: " << joined(screen.shown());
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        user.press(XK_Return);
        ASSERT_NE(0u, mainWindow(std::chrono::seconds(40))) << "no main window; showing: " << joined(screen.shown());
        if (anOnLine)
        {
            // The polls begin once the window is drawn.
            std::size_t before = emulator.log().size();
            bool polling = false;
            for (int look = 0; look < 20 && !polling; ++look)
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
                const std::size_t now = emulator.log().size();
                polling = look > 0 && now > before;
                before = now;
            }
            ASSERT_TRUE(polling) << "Tessiva does not poll the unit";
        }
    }

    ::Window mainWindow(std::chrono::milliseconds aTimeout = std::chrono::milliseconds(0))
    {
        return screen.waitFor("Vorna - Tessiva", aTimeout);
    }

    std::vector<Entry> quietLog()
    {
        // The unit takes the program's last bytes off the line first.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return emulator.log();
    }

    static constexpr std::uint16_t unitAddress = 0x8280;

    PortProfile profile;
    Emulator::UnitEmulator emulator;
    ScreenWindows screen;
    TemporaryFolder files;
    std::unique_ptr<ChildProgram> program;
};

class SignalToTessiva : public ProgramEndTest, public testing::WithParamInterface<int>
{
};

// A signal to end closes Tessiva as File > Exit does: the exchange on the
// line ends whole, the window's place is kept, and the program exits with 0.
TEST_P(SignalToTessiva, EndsLikeExitKeepingThePlacementWithNoFrameCut)
{
    offerKq350(false);
    startTessivaWithTheDevice(true);
    ASSERT_EQ("", Platform::ProfileStore("Tessiva").getString("Settings", "x1", ""));
    program->signal(GetParam());
    ASSERT_TRUE(program->waitForEnd(5000)) << "Tessiva still runs 5 s after the signal";
    EXPECT_EQ(0, program->status()) << "ended by signal " << program->endingSignal();
    EXPECT_NE("", Platform::ProfileStore("Tessiva").getString("Settings", "x1", "")) << "the placement was not saved";
    const std::vector<Entry> log = quietLog();
    EXPECT_TRUE(cutMessages(log).empty()) << "the unit received a message cut off";
    ASSERT_FALSE(log.empty());
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalToTessiva, testing::Values(SIGTERM, SIGHUP, SIGINT),
                         [](const testing::TestParamInfo<int>& anInfo) {
                             return std::string(anInfo.param == SIGTERM  ? "Terminate"
                                                : anInfo.param == SIGHUP ? "HangUp"
                                                                         : "Interrupt");
                         });

// The close box while Tessiva waits on a unit that answers busy for good:
// the wait ends at once, nothing more goes out after the message on the
// line, and the program ends.
TEST_F(ProgramEndTest, TheCloseBoxDuringABusyWaitEndsTheProgramWithinASecond)
{
    offerKq350(false);
    startTessivaWithTheDevice(true);
    emulator.injectFault(unitAddress, Emulator::UnitFault::busy(Emulator::UnitFault::forever));
    // Well inside a wait that would last seconds.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const Clock::time_point asked = Clock::now();
    screen.askToClose(mainWindow());
    ASSERT_TRUE(program->waitForEnd(1000)) << "Tessiva still runs a second after the close box";
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - asked);
    EXPECT_EQ(0, program->status());
    const std::vector<Entry> log = quietLog();
    EXPECT_TRUE(cutMessages(log).empty()) << "the unit received a message cut off";
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(Entry::Poll, log.back().kind) << "a busy wait polls, and ends on a whole poll";
    RecordProperty("milliseconds_to_end", static_cast<int>(took.count()));
}

// Nobody answers a dialog for a signal: the Open Device dialog that Tessiva
// shows as it starts ends as its Cancel would, and then the program.
TEST_F(ProgramEndTest, ASignalEndsTheDialogShowingAndThenTessiva)
{
    offerKq350(true);
    start({});
    ASSERT_NE(0u, screen.waitFor("Open Device", std::chrono::seconds(20)))
        << "no Open Device dialog; showing: " << joined(screen.shown());
    program->signal(SIGTERM);
    ASSERT_TRUE(program->waitForEnd(5000)) << "Tessiva still runs 5 s after the signal; showing: "
                                           << joined(screen.shown());
    EXPECT_EQ(0, program->status()) << "ended by signal " << program->endingSignal();
}

// A second signal while the first close waits for its turn (here behind the
// splash screen's wait) ends the program at once.
TEST_F(ProgramEndTest, ASecondSignalEndsTessivaAtOnce)
{
    offerKq350(true);
    start({});
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    while (!catches(program->pid(), SIGTERM) && Clock::now() < deadline)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(catches(program->pid(), SIGTERM)) << "Tessiva does not catch the signal to end";
    program->signal(SIGTERM);
    EXPECT_FALSE(program->waitForEnd(200)) << "the first signal ended Tessiva before its loop ran";
    program->signal(SIGTERM);
    ASSERT_TRUE(program->waitForEnd(1000)) << "the second signal did not end Tessiva";
    EXPECT_EQ(SIGTERM, program->endingSignal());
}

// A save that the file-size limit stops fails with its error box instead of
// the limit's signal ending the program, which lives on.
TEST_F(ProgramEndTest, ASaveStoppedByTheFileSizeLimitShowsAnErrorAndTessivaLivesOn)
{
    offerKq350(true);
    // prlimit starts Tessiva under the limit.
    start({"--fsize=300", VORNA_TESSIVA_PROGRAM}, "/usr/bin/prlimit");
    ASSERT_NE(0u, screen.waitFor("Open Device", std::chrono::seconds(20)))
        << "no Open Device dialog; showing: " << joined(screen.shown());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    user.press(XK_Return);
    ASSERT_NE(0u, mainWindow(std::chrono::seconds(20))) << "no main window; showing: " << joined(screen.shown());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // File > Save Configuration File..., by its keys.
    user.press(XK_f, {XK_Alt_L});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    user.press(XK_s);
    ASSERT_NE(0u, screen.waitFor("Save As", std::chrono::seconds(10)))
        << "no file dialog; showing: " << joined(screen.shown());
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::string path = files.pathOf("big.vnb");
    user.press(XK_a, {XK_Control_L});
    user.type(path);
    // The name field may still complete the typed path: Enter again until the dialog goes.
    for (int tries = 0; tries < 5 && screen.find("Save As") != 0; ++tries)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        user.press(XK_Return);
        for (int look = 0; look < 30 && screen.find("Save As") != 0; ++look)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    // The error box: a second window of the program's own title.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    std::vector<std::string> titles;
    while (Clock::now() < deadline)
    {
        titles = screen.shown();
        if (std::count(titles.begin(), titles.end(), "Tessiva") >= 1 && screen.find("Save As") == 0)
        {
            break;
        }
        ASSERT_FALSE(program->waitForEnd(0)) << "Tessiva ended by signal " << program->endingSignal();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_EQ(1, std::count(titles.begin(), titles.end(), "Tessiva")) << "no error box; showing: " << joined(titles);
    user.press(XK_Return);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_FALSE(program->waitForEnd(0)) << "Tessiva ended by signal " << program->endingSignal();
    EXPECT_NE(0u, mainWindow()) << "showing: " << joined(screen.shown());
    program->signal(SIGTERM);
    ASSERT_TRUE(program->waitForEnd(5000));
    EXPECT_EQ(0, program->status());
}

// A signal to end stops Pellora's download as Stop does (no line after the
// one on the wire) and the program exits with 0.
TEST_F(ProgramEndTest, ASignalStopsPellorasDownloadAndItExitsWithZero)
{
    const std::string programName = Platform::SerialLine::programName();
    Platform::SerialLine::setProgramName("Pellora");
    emulator.addUnit(unitAddress);
    emulator.setIdentification(unitAddress, "KQ330", "1.10");
    emulator.setBaudRate(38400);
    emulator.setPacedReception(true);
    profile.map(3, emulator.devicePath());
    Platform::SerialLine::setProgramName(programName);
    Platform::ProfileStore store("Pellora");
    ASSERT_TRUE(store.writeInt("Settings", "CommPort", 2));
    ASSERT_TRUE(store.writeInt("Settings", "BaudRate", 3));
    ASSERT_TRUE(store.writeInt("Settings", "DeviceAddress", static_cast<std::int16_t>(unitAddress)));
    const std::vector<std::string> lines = recordLines("D", 20000);
    const std::string file = files.write("big.s19", fileText(lines));
    const std::string script =
        files.write("run.prx", "download_mode;\ndownload_files(\"" + file + "\");\nreset;\n");
    start({script}, VORNA_PELLORA_PROGRAM);
    ASSERT_NE(0u, screen.waitFor("run.prx - Pellora", std::chrono::seconds(20)))
        << "no Pellora window; showing: " << joined(screen.shown());
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    // Download > Start, by its keys.
    user.press(XK_d, {XK_Alt_L});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    user.press(XK_a);
    const auto sent = [this]() { return emulator.downloadLines(unitAddress).size(); };
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    while (sent() < 20 && Clock::now() < deadline)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_GE(sent(), 20u) << "the download did not start";
    const std::size_t atTheSignal = sent();
    program->signal(SIGTERM);
    ASSERT_TRUE(program->waitForEnd(2000)) << "Pellora still runs 2 s after the signal";
    EXPECT_EQ(0, program->status()) << "ended by signal " << program->endingSignal();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_LE(sent(), atTheSignal + 1) << "lines went out after the signal";
    EXPECT_LT(sent(), lines.size());
}
}
