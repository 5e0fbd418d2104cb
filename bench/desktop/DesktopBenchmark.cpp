// What the window layer costs beside the wire work: the real Tessiva program
// on the desktop's drawing backend (its own virtual display), with one and
// four devices open, one polled; and, measured in the same run by a child
// process, the link and model of one on-line KQ350 polled with no window at
// all. Then the input latency while one on-line KQ350 is polled, at each baud
// rate the program offers: the time from a click of the desktop's (synthetic)
// mouse to its handling by the program. Prints its figures and asserts nothing.

#include "Models/Unit/Kq350OnlineDevice.h"
#include "Platform/LineSettings.h"
#include "Platform/Framework/CommandIds.h"
#include "Tessiva/Program/CMainFrame.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"
#include "Tessiva/OpenDeviceDialog.h"
#include "Tessiva/Program/CTessivaApp.h"
#include "Tessiva/Program/FrontPanelFactory.h"
#include "Tessiva/Program/TessivaResources.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq350Unit.h"
#include "tests/support/PortProfile.h"
#include "tests/Desktop/DesktopUser.h"
#include "tests/Desktop/OwnDesktop.h"
#include "tests/support/VirtualDisplay.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace
{
using Platform::Window;
typedef std::chrono::steady_clock Clock;

const std::uint16_t address = 0x8280;
const unsigned port = 1;
const unsigned baudRate = 38400;
const int baudIndex = 2; // 38400 in the dialog's list
const int kq350 = 2;
const std::chrono::seconds measuringTime(10);
const std::chrono::milliseconds pollPeriod(15);
const int unitNameField = 1061;
const int latencyClicks = 40;

// The rates of the Open Device dialog's list, in its order.
struct Rate
{
    unsigned baudRate;
    int index;
};
const Rate latencyRates[] = {{9600, 0}, {19200, 1}, {38400, 2}};

double threadSeconds()
{
    struct timespec now;
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Resident and peak resident memory of this process, in MB.
std::pair<double, double> memory()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    double resident = 0;
    double peak = 0;
    while (std::getline(status, line))
    {
        if (line.rfind("VmRSS:", 0) == 0)
        {
            resident = std::stod(line.substr(6)) / 1024.0;
        }
        else if (line.rfind("VmHWM:", 0) == 0)
        {
            peak = std::stod(line.substr(6)) / 1024.0;
        }
    }
    return std::make_pair(resident, peak);
}

struct Cost
{
    double cpuPerTick = 0;   // ms
    double ticksPerSecond = 0;
    double share = 0;        // % of a core
};

void print(const char* aCase, const Cost& aCost, const std::pair<double, double>& aMemory)
{
    std::printf("%-44s %6.3f ms/tick %6.1f ticks/s %6.2f %% of a core   RSS %6.1f MB  peak %6.1f MB\n", aCase,
                aCost.cpuPerTick, aCost.ticksPerSecond, aCost.share, aMemory.first, aMemory.second);
}

// The link and model alone, in a child process of their own: one on-line
// KQ350 polled every 15 ms. The child writes its figures to aPipe.
void measureModelAlone(int aPipe)
{
    Win32SerialPort serial;
    serial.open(port, Platform::LineSettings(baudRate));
    Kq350OnlineDevice device(&serial, address);
    const double cpuBefore = threadSeconds();
    const Clock::time_point start = Clock::now();
    Clock::time_point next = start;
    unsigned long ticks = 0;
    while (Clock::now() - start < measuringTime)
    {
        device.pollNext();
        ++ticks;
        next += pollPeriod;
        std::this_thread::sleep_until(next);
    }
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = threadSeconds() - cpuBefore;
    const std::pair<double, double> used = memory();
    const double figures[5] = {cpu / ticks * 1000.0, ticks / wall, cpu / wall * 100.0, used.first, used.second};
    const ssize_t written = write(aPipe, figures, sizeof figures);
    static_cast<void>(written);
}

class Benchmark
{
public:
    Benchmark(Platform::WxBackend& aBackend) : myBackend(aBackend) {}

    // Runs the desktop's loop for the measuring time, the program's poll
    // timer ticking, and tells what the program's thread spent.
    Cost run()
    {
        wxGUIEventLoop loop;
        wxTimer stop;
        stop.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
        stop.StartOnce(static_cast<int>(std::chrono::milliseconds(measuringTime).count()));
        const unsigned long ticksBefore = myBackend.tickCount();
        const double cpuBefore = threadSeconds();
        const Clock::time_point start = Clock::now();
        loop.Run();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = threadSeconds() - cpuBefore;
        const unsigned long ticks = myBackend.tickCount() - ticksBefore;
        Cost cost;
        cost.cpuPerTick = ticks > 0 ? cpu / ticks * 1000.0 : 0;
        cost.ticksPerSecond = ticks / wall;
        cost.share = cpu / wall * 100.0;
        return cost;
    }

    // The Open Device dialog, when it runs: a KQ350, on line on COM1 at the
    // rate of aBaudIndex (38400 baud unless given) or off line, and OK. aSeen
    // notes the memory while it shows.
    void answerOpenDevice(bool anOffLine, std::pair<double, double>* aSeen = nullptr, int aBaudIndex = baudIndex)
    {
        myBackend.later([this, anOffLine, aSeen, aBaudIndex]() {
            Window* dialog = const_cast<Window*>(myBackend.innermostModal());
            if (dialog == nullptr || dialog->templateId() != OpenDeviceDialog::templateId)
            {
                answerOpenDevice(anOffLine, aSeen, aBaudIndex);
                return;
            }
            if (aSeen != nullptr)
            {
                myBackend.settle(200);
                *aSeen = memory();
            }
            const Platform::UserInput user(dialog);
            user.pick(*dialog->findChild(OpenDeviceDialog::deviceTypeComboId), kq350);
            user.pick(*dialog->findChild(OpenDeviceDialog::portComboId), static_cast<int>(port) - 1);
            user.pick(*dialog->findChild(OpenDeviceDialog::baudRateComboId), aBaudIndex);
            Window& offLine = *dialog->findChild(OpenDeviceDialog::offLineCheckId);
            if (offLine.isChecked() != anOffLine)
            {
                user.click(offLine);
            }
            user.click(*dialog->findChild(Platform::DialogResult::ok));
        });
    }

    // The input latency while the program polls one on-line KQ350 at
    // aRate: clicks on the unit name field, each timed from the moment the
    // desktop's mouse sent it to the moment the program handled it.
    void measureLatency(const Rate& aRate, Emulator::UnitEmulator& anEmulator)
    {
        anEmulator.setBaudRate(aRate.baudRate);
        CTessivaApp application(std::make_unique<FrontPanelFactory>());
        application.setSplashWait([](unsigned) {});
        answerOpenDevice(false, nullptr, aRate.index);
        if (!application.start({}))
        {
            std::printf("Tessiva did not start at %u baud\n", aRate.baudRate);
            return;
        }
        myBackend.settle(500);
        Window* field = application.frame()->window().findDescendant(unitNameField);
        wxWindow* widget = field != nullptr ? myBackend.view().widgetOf(*field) : nullptr;
        if (widget == nullptr)
        {
            std::printf("no unit name field at %u baud\n", aRate.baudRate);
            return;
        }
        const wxRect place = widget->GetScreenRect();
        std::mutex lock;
        std::vector<Clock::time_point> sent;
        std::vector<Clock::time_point> handled;
        widget->Bind(wxEVT_LEFT_DOWN, [&](wxMouseEvent& anEvent) {
            const std::lock_guard<std::mutex> guard(lock);
            handled.push_back(Clock::now());
            anEvent.Skip();
        });
        const unsigned long ticksBefore = myBackend.tickCount();
        const Clock::time_point start = Clock::now();
        Platform::DesktopUser person;
        person.start([&](Platform::DesktopUser& aUser) {
            for (int click = 0; click < latencyClicks; ++click)
            {
                // Now in the left third of the field, now in the right one:
                // no two clicks make a double click.
                const int third = click % 2 == 0 ? place.width / 3 : place.width * 2 / 3;
                aUser.moveTo(wxPoint(place.x + third, place.y + place.height / 2));
                // Not in step with the poll rhythm: 40 to 110 ms apart.
                Platform::DesktopUser::pause(std::chrono::milliseconds(40 + (click * 37) % 71));
                {
                    const std::lock_guard<std::mutex> guard(lock);
                    sent.push_back(Clock::now());
                }
                aUser.buttonDown();
                aUser.buttonUp();
            }
            Platform::DesktopUser::pause(std::chrono::milliseconds(500));
            wxTheApp->CallAfter([&application]() {
                application.frame()->window().command(static_cast<int>(Platform::CommandIds::appExit));
            });
        });
        application.run();
        person.finish();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double polls = (myBackend.tickCount() - ticksBefore) / wall;
        std::vector<double> latencies;
        for (std::size_t index = 0; index < std::min(sent.size(), handled.size()); ++index)
        {
            latencies.push_back(std::chrono::duration<double, std::milli>(handled[index] - sent[index]).count());
        }
        if (latencies.empty() || handled.size() != sent.size())
        {
            std::printf("input latency at %5u baud: %zu of %zu clicks handled\n", aRate.baudRate, handled.size(),
                        sent.size());
            if (latencies.empty())
            {
                return;
            }
        }
        // The first click also moves the focus into the field.
        const double first = latencies.front();
        std::sort(latencies.begin(), latencies.end());
        std::printf("input latency at %5u baud, polling: median %6.1f ms  90%% %6.1f ms  max %6.1f ms  first %6.1f ms  "
                    "(%zu clicks, %5.1f polls/s)\n",
                    aRate.baudRate, latencies[latencies.size() / 2], latencies[latencies.size() * 9 / 10],
                    latencies.back(), first, latencies.size(), polls);
    }

private:
    Platform::WxBackend& myBackend;
};
}

int main()
{
    PortProfile profile;
    Emulator::UnitEmulator emulator;
    emulator.addUnit(address, Emulator::Kq350Unit::freshValues());
    emulator.setBaudRate(baudRate);
    profile.map(port, emulator.devicePath());

    std::printf("Tessiva on the desktop, one poll timer of %d ms, %lld s a case, KQ350 units, the unit emulator "
                "paced to %u baud\n",
                static_cast<int>(pollPeriod.count()), static_cast<long long>(measuringTime.count()), baudRate);

    // The link and model alone first, in a child that never starts the toolkit.
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
    {
        std::perror("pipe");
        return 1;
    }
    const pid_t child = fork();
    if (child == 0)
    {
        close(pipeEnds[0]);
        measureModelAlone(pipeEnds[1]);
        _exit(0);
    }
    close(pipeEnds[1]);
    double alone[5] = {0, 0, 0, 0, 0};
    const ssize_t got = read(pipeEnds[0], alone, sizeof alone);
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    if (got != static_cast<ssize_t>(sizeof alone))
    {
        std::printf("the link and model alone could not be measured\n");
        return 1;
    }
    Cost modelCost;
    modelCost.cpuPerTick = alone[0];
    modelCost.ticksPerSecond = alone[1];
    modelCost.share = alone[2];
    print("link and model alone, 1 on-line KQ350", modelCost, std::make_pair(alone[3], alone[4]));

    Platform::VirtualDisplay display;
    std::string reason;
    const std::unique_ptr<Platform::WxBackend> backend = Platform::startOwnDesktop(display, reason);
    if (backend == nullptr)
    {
        std::printf("%s\n", reason.c_str());
        return 1;
    }
    Benchmark benchmark(*backend);
    {
        CTessivaApp application(std::make_unique<FrontPanelFactory>());
        application.setSplashWait([](unsigned) {});
        std::pair<double, double> atDialog;
        benchmark.answerOpenDevice(false, &atDialog);
        if (!application.start({}))
        {
            std::printf("Tessiva did not start\n");
            return 1;
        }
        std::printf("%-44s %49s RSS %6.1f MB  peak %6.1f MB\n", "at the Open Device dialog", "", atDialog.first,
                    atDialog.second);
        const Cost one = benchmark.run();
        print("program, 1 on-line KQ350 polled", one, memory());
        std::printf("%-44s %6.2f x the link and model alone\n", "", one.cpuPerTick / modelCost.cpuPerTick);

        Window& frame = application.frame()->window();
        for (int more = 0; more < 3; ++more)
        {
            benchmark.answerOpenDevice(true);
            frame.command(static_cast<int>(TessivaResources::newDeviceCommand));
        }
        print("program, 4 devices, 1 off-line polled", benchmark.run(), memory());

        Window* devices = frame.findDescendant(TessivaResources::deviceTabControl);
        Platform::UserInput(nullptr).selectTab(*devices, 0);
        const Cost four = benchmark.run();
        print("program, 4 devices, the on-line one polled", four, memory());
        std::printf("%-44s %6.2f x the link and model alone\n", "", four.cpuPerTick / modelCost.cpuPerTick);
        const std::pair<double, double> withFour = memory();
        std::printf("%-44s %6.1f MB per device beyond the dialog\n", "", (withFour.first - atDialog.first) / 4.0);
        application.frame()->window().command(static_cast<int>(Platform::CommandIds::appExit));
        application.run();
    }
    std::printf("input latency: goals at most 100 ms at 9600 baud, at most 50 ms at 38400 baud\n");
    for (const Rate& rate : latencyRates)
    {
        benchmark.measureLatency(rate, emulator);
    }
    return 0;
}
