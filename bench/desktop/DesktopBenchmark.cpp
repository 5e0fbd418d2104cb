// What the window layer costs beside the wire work: the real Tessiva program
// on the desktop's drawing backend (its own virtual display), with one and
// four devices open, one polled; and, measured in the same run by a child
// process, the link and model of one on-line KQ350 polled with no window at
// all. Then the input latency while one on-line KQ350 is polled, at each baud
// rate the program offers: the time from a click of the desktop's (synthetic)
// mouse to its handling by the program. Prints its figures and asserts nothing.
//
// Then the Tessiva programs named in VORNA_BENCH_TESSIVA (paths apart by
// spaces; this build's program when unset), each run as a process of its own
// and driven from outside, side by side: its CPU share with one polled
// on-line KQ350 and with eight devices open, and the typing latency while it
// polls at 9600 and 38400 baud, from a key's press to its echo on the screen.

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
#include "bench/desktop/TessivaProcess.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <sstream>
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

// --- the Tessiva programs, each a process of its own ---
const int typingKeys = 100;
const std::chrono::seconds programMeasuringTime(6);
const int devicesOpen = 8;
const int slowIndex = 0; // 9600 in the dialog's list

struct Typing
{
    bool measured = false;
    double median = 0;
    double ninety = 0;
    double maximum = 0;
    std::size_t keys = 0;
    int missed = 0;
};

struct ProgramFigures
{
    std::string program;
    std::string failure;
    double shareOne = -1;   // % of a core
    double shareEight = -1;
    Typing at9600;
    Typing at38400;
};

// The program's share of a core over the measuring time, while it polls.
double shareOfCore(const TessivaProcess& aProcess)
{
    const double before = aProcess.cpuSeconds();
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(programMeasuringTime);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return (aProcess.cpuSeconds() - before) / wall * 100.0;
}

Typing typing(TessivaProcess& aProcess, const wxPoint& aField)
{
    Typing result;
    std::vector<double> latencies = aProcess.typingLatencies(aField.x, aField.y, typingKeys, result.missed);
    if (latencies.empty())
    {
        return result;
    }
    std::sort(latencies.begin(), latencies.end());
    result.measured = true;
    result.keys = latencies.size();
    result.median = latencies[latencies.size() / 2];
    result.ninety = latencies[latencies.size() * 9 / 10];
    result.maximum = latencies.back();
    return result;
}

// aField: where the unit name field lies in the main window, from its top left corner.
ProgramFigures measureProgram(const std::string& aProgram, Emulator::UnitEmulator& aFirst,
                              Emulator::UnitEmulator& aSecond, const wxPoint& aField)
{
    ProgramFigures figures;
    figures.program = aProgram;
    const std::vector<std::string> ports = {aFirst.devicePath(), aSecond.devicePath()};
    std::string reason;
    aFirst.setBaudRate(baudRate);
    aSecond.setBaudRate(baudRate);
    {
        TessivaProcess process(aProgram, ports, baudIndex);
        if (!process.start(reason))
        {
            figures.failure = reason;
            return figures;
        }
        figures.shareOne = shareOfCore(process);
        figures.at38400 = typing(process, aField);
        // Off-line devices, then an on-line one on COM2, selected and polled.
        for (int device = 2; device < devicesOpen; ++device)
        {
            if (!process.openDevice(0, reason))
            {
                figures.failure = reason;
                return figures;
            }
        }
        if (!process.openDevice(2, reason))
        {
            figures.failure = reason;
            return figures;
        }
        const std::uint64_t sentBefore = aSecond.counts().bytesSent;
        figures.shareEight = shareOfCore(process);
        if (aSecond.counts().bytesSent == sentBefore)
        {
            figures.shareEight = -1;
            figures.failure = "the eighth device, on line on COM2, was not polled";
        }
    }
    aFirst.setBaudRate(9600);
    {
        TessivaProcess process(aProgram, ports, slowIndex);
        if (!process.start(reason))
        {
            figures.failure = reason;
        }
        else
        {
            figures.at9600 = typing(process, aField);
        }
    }
    aFirst.setBaudRate(baudRate);
    return figures;
}

std::string shareText(double aShare)
{
    char text[32];
    std::snprintf(text, sizeof text, aShare < 0 ? "-" : "%.2f %%", aShare);
    return text;
}

std::string typingText(const Typing& aTyping)
{
    if (!aTyping.measured)
    {
        return "no echo";
    }
    char text[80];
    std::snprintf(text, sizeof text, "%.1f / %.1f / %.1f", aTyping.median, aTyping.ninety, aTyping.maximum);
    std::string result = text;
    if (aTyping.missed > 0)
    {
        result += " (" + std::to_string(aTyping.missed) + " missed)";
    }
    return result;
}

void printSideBySide(const std::vector<ProgramFigures>& someFigures)
{
    std::printf("\nTessiva programs run on their own, side by side:\n");
    for (std::size_t index = 0; index < someFigures.size(); ++index)
    {
        std::printf("  [%zu] %s%s%s\n", index + 1, someFigures[index].program.c_str(),
                    someFigures[index].failure.empty() ? "" : ": ", someFigures[index].failure.c_str());
    }
    const int column = 30;
    std::printf("%-52s", "");
    for (std::size_t index = 0; index < someFigures.size(); ++index)
    {
        std::printf("%*s", column, ("[" + std::to_string(index + 1) + "]").c_str());
    }
    std::printf("\n");
    const auto row = [&someFigures, column](const char* aLabel, const std::function<std::string(const ProgramFigures&)>& aCell) {
        std::printf("%-52s", aLabel);
        for (const ProgramFigures& figures : someFigures)
        {
            std::printf("%*s", column, aCell(figures).c_str());
        }
        std::printf("\n");
    };
    row("CPU, 1 on-line KQ350 polled at 38400 (goal < 2 %)", [](const ProgramFigures& aFigures) { return shareText(aFigures.shareOne); });
    row("CPU, 8 devices open, 1 on-line polled", [](const ProgramFigures& aFigures) { return shareText(aFigures.shareEight); });
    row("typing at  9600, ms median / 90% / max (< 100)", [](const ProgramFigures& aFigures) { return typingText(aFigures.at9600); });
    row("typing at 38400, ms median / 90% / max", [](const ProgramFigures& aFigures) { return typingText(aFigures.at38400); });
    std::printf("(%d keys a rate, each timed from its press to its echo on the screen)\n", typingKeys);
}

// The programs to compare: VORNA_BENCH_TESSIVA's, else this build's.
std::vector<std::string> programsToCompare()
{
    std::vector<std::string> programs;
    const char* named = std::getenv("VORNA_BENCH_TESSIVA");
    std::istringstream words(named != nullptr ? named : "");
    std::string word;
    while (words >> word)
    {
        programs.push_back(word);
    }
    if (programs.empty())
    {
        programs.push_back(VORNA_TESSIVA_PROGRAM);
    }
    return programs;
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

    // Where a descendant of aFrame shows, from the top left corner of the
    // frame's own window on the display (its menu included).
    wxPoint placeInFrame(const Window& aFrame, int anId)
    {
        myBackend.settle(200);
        const Window* window = aFrame.findDescendant(anId);
        wxWindow* widget = window != nullptr ? myBackend.view().widgetOf(*window) : nullptr;
        wxWindow* frame = myBackend.view().widgetOf(aFrame);
        GdkWindow* top = frame != nullptr ? gtk_widget_get_window(frame->GetHandle()) : nullptr;
        if (widget == nullptr || top == nullptr)
        {
            return wxPoint(-1, -1);
        }
        int x = 0;
        int y = 0;
        gdk_window_get_origin(top, &x, &y);
        const wxRect place = widget->GetScreenRect();
        // A third into the field, half way down.
        return wxPoint(place.x + place.width / 3 - x, place.y + place.height / 2 - y);
    }

private:
    Platform::WxBackend& myBackend;
};

// This build's program in this process, on a display of its own: the cost
// of a tick beside aModelCost, then the input latency at each rate. aField
// tells where the unit name field lies in the main window, from its top left
// corner.
bool measureInProcess(Emulator::UnitEmulator& anEmulator, const Cost& aModelCost, wxPoint& aField)
{
    Platform::VirtualDisplay display;
    std::string reason;
    std::unique_ptr<Platform::WxBackend> backend = Platform::startOwnDesktop(display, reason);
    if (backend == nullptr)
    {
        std::printf("%s\n", reason.c_str());
        return false;
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
            return false;
        }
        std::printf("%-44s %49s RSS %6.1f MB  peak %6.1f MB\n", "at the Open Device dialog", "", atDialog.first,
                    atDialog.second);
        const Cost one = benchmark.run();
        print("program, 1 on-line KQ350 polled", one, memory());
        aField = benchmark.placeInFrame(application.frame()->window(), unitNameField);
        std::printf("%-44s %6.2f x the link and model alone\n", "", one.cpuPerTick / aModelCost.cpuPerTick);

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
        std::printf("%-44s %6.2f x the link and model alone\n", "", four.cpuPerTick / aModelCost.cpuPerTick);
        const std::pair<double, double> withFour = memory();
        std::printf("%-44s %6.1f MB per device beyond the dialog\n", "", (withFour.first - atDialog.first) / 4.0);
        application.frame()->window().command(static_cast<int>(Platform::CommandIds::appExit));
        application.run();
    }
    std::printf("input latency: goals at most 100 ms at 9600 baud, at most 50 ms at 38400 baud\n");
    for (const Rate& rate : latencyRates)
    {
        benchmark.measureLatency(rate, anEmulator);
    }
    return true;
}
}

int main()
{
    // Each figure shows as it comes.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
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

    // Where the unit name field lies in the main window, as this build lays it out.
    wxPoint field(-1, -1);
    if (!measureInProcess(emulator, modelCost, field))
    {
        return 1;
    }

    Platform::VirtualDisplay desktop;
    std::string reason;
    if (!desktop.start(reason) || !desktop.startWindowManager(reason))
    {
        std::printf("no desktop for the programs: %s\n", reason.c_str());
        return 1;
    }
    Emulator::UnitEmulator second;
    second.addUnit(address, Emulator::Kq350Unit::freshValues());
    std::vector<ProgramFigures> figures;
    for (const std::string& program : programsToCompare())
    {
        figures.push_back(measureProgram(program, emulator, second, field));
    }
    printSideBySide(figures);
    return 0;
}
