// The real Pellora on the desktop's drawing backend (a virtual display of its
// own) downloads an S-record file in protocol mode to the emulated unit paced
// at 9600 baud, where a line takes longer on the wire than the window's own
// rhythm: how often the progress bar is really drawn, and the longest time
// without a drawing. The bar's value moves once a percent (about 0.7 s of this
// file at 9600 baud), so another window covers the bar for a moment every
// 100 ms, as a person's other windows do: what it uncovers must be drawn again,
// and the longest gap between drawings then tells how long the window could
// not repaint. It reports; it asserts nothing.

#include "Pellora/Program/CMainFrame.h"
#include "Pellora/Program/PelloraApp.h"
#include "Pellora/Program/PelloraDoc.h"
#include "Pellora/Program/PelloraResources.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"
#include "tests/Desktop/DesktopUser.h"
#include "tests/Desktop/DrawWatch.h"
#include "tests/Desktop/OwnDesktop.h"
#include "tests/Pellora/SRecordFiles.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/support/PortProfile.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/VirtualDisplay.h"

#include <wx/gauge.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace
{
typedef std::chrono::steady_clock Clock;

const unsigned baudRate = 9600;
const int baudIndex = 0; // 9600 in the view's radio group
const std::uint16_t address = 0x8380;
const unsigned port = 1;
const int recordCount = 1700;
// How often, and for how long, the other window covers the bar.
constexpr std::chrono::milliseconds coverEvery(100);
constexpr std::chrono::milliseconds coverFor(20);

double milliseconds(Clock::duration aDuration)
{
    return std::chrono::duration<double, std::milli>(aDuration).count();
}
}

int main()
{
    PortProfile profile;
    TemporaryFolder files;
    Emulator::UnitEmulator emulator;
    emulator.addUnit(address);
    emulator.setBaudRate(baudRate);
    // The lines wait on the wire as on a real port.
    emulator.setPacedReception(true);
    // COM1 of Pellora's own profile.
    Platform::SerialLine::setProgramName("Pellora");
    profile.map(port, emulator.devicePath());
    {
        Platform::ProfileStore store("Pellora");
        if (!store.writeInt("Settings", "CommPort", static_cast<int>(port) - 1) ||
            !store.writeInt("Settings", "BaudRate", baudIndex) ||
            !store.writeInt("Settings", "DeviceAddress", static_cast<std::int16_t>(address)))
        {
            std::fprintf(stderr, "the port settings could not be stored\n");
            return 1;
        }
    }
    const std::string text = fileText(recordLines("B", recordCount));
    const std::string file = files.write("firmware.s19", text);
    const std::string script = files.write("download.prx", "download_files(\"" + file + "\");\n");

    Platform::VirtualDisplay display;
    std::string reason;
    const std::unique_ptr<Platform::WxBackend> backend = Platform::startOwnDesktop(display, reason);
    if (backend == nullptr)
    {
        std::printf("%s\n", reason.c_str());
        return 1;
    }
    std::unique_ptr<Platform::DrawWatch> bar;
    Clock::time_point started;
    Clock::time_point ended;
    // Where the bar shows, once known, and whether the run goes on.
    std::atomic<bool> placed{false};
    std::atomic<bool> running{true};
    wxRect barPlace;
    unsigned covers = 0;
    Platform::DesktopUser user;
    user.start([&](Platform::DesktopUser&) {
        while (!placed && running)
        {
            Platform::DesktopUser::pause(std::chrono::milliseconds(10));
        }
        while (running)
        {
            user.cover(barPlace, coverFor);
            ++covers;
            Platform::DesktopUser::pause(coverEvery - coverFor);
        }
    });
    {
        PelloraApp application;
        if (!application.start({script}))
        {
            std::printf("Pellora did not start\n");
            return 1;
        }
        backend->later([&]() {
            backend->settle(500);
            Platform::Window& frame = application.frame()->window();
            Platform::Window* control = frame.findDescendant(PelloraResources::progressBar);
            wxGauge* gauge = control != nullptr ? dynamic_cast<wxGauge*>(backend->view().widgetOf(*control)) : nullptr;
            if (gauge != nullptr)
            {
                bar = std::make_unique<Platform::DrawWatch>(*gauge, [gauge]() { return gauge->GetValue(); });
                barPlace = gauge->GetScreenRect();
                placed = true;
            }
            // The unit takes the file at once: the run is the file alone.
            emulator.enterDownloadMode(address);
            started = Clock::now();
            frame.command(static_cast<int>(PelloraResources::startCommand));
            ended = Clock::now();
            running = false;
            frame.command(static_cast<int>(Platform::CommandIds::appExit));
        });
        application.run();
    }
    running = false;
    user.finish();
    if (bar == nullptr)
    {
        std::printf("no progress bar\n");
        return 1;
    }
    const std::vector<Platform::DrawWatch::Drawing> drawings = bar->drawings();
    const auto full = std::find_if(drawings.begin(), drawings.end(),
                                   [](const Platform::DrawWatch::Drawing& aDrawing) { return aDrawing.value == 100; });
    std::size_t during = 0;
    for (const Platform::DrawWatch::Drawing& drawing : drawings)
    {
        during += drawing.at > started && drawing.at < ended ? 1 : 0;
    }
    const double run = milliseconds(ended - started);
    std::printf("Pellora on the desktop: %zu byte S-record file, %zu lines, protocol mode at %u baud\n", text.size(),
                emulator.downloadLines(address).size(), baudRate);
    std::printf("  run                      %8.0f ms\n", run);
    std::printf("  drawings of the bar      %8zu (one every %.0f ms on average)\n", during,
                during > 0 ? run / during : 0.0);
    std::printf("  covered and uncovered    %8u times, every %lld ms\n", covers,
                static_cast<long long>(coverEvery.count()));
    std::printf("  longest without drawing  %8.0f ms (goal at most 250 ms)\n",
                milliseconds(bar->longestGap(started, ended)));
    std::printf("  100%% drawn               %8s\n", full != drawings.end() ? "yes" : "no");
    bar.reset();
    return 0;
}
