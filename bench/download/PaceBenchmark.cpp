// The Pellora program itself, on a virtual display of its own, downloads an
// S-record file of 45-character lines in protocol mode to the emulated unit,
// which takes the bytes exactly at the wire's pace, at 9600, 19200 and 38400
// baud. Seen from the unit: the time from the first byte of the file to the
// last one off the wire against the time the bytes need on the wire, and how
// long the line stood idle per line. Each program named runs in turn, so that
// figures of two builds stand side by side from one run:
//
//     bench_download_pace [PROGRAM...]
//
// or the programs in VORNA_BENCH_PELLORA, paths apart by spaces; by default the
// Pellora of this build. It reports; it asserts nothing.

#include "Platform/LineSettings.h"
#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/support/ChildProgram.h"
#include "tests/support/PortProfile.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/VirtualDisplay.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace
{
typedef std::chrono::steady_clock Clock;

const std::uint16_t address = 0x8280;
const unsigned port = 1;
const unsigned rates[] = {9600, 19200, 38400};
// About this long on the wire at every rate: long enough for a steady
// figure, short enough for the whole run to take a minute or two.
const double secondsOnTheWire = 8.0;
// Start bit, 8 data bits, stop bit.
const unsigned bitsPerByte = 10;

struct Figures
{
    bool done = false;
    double ratio = 0.0;
    double idlePerLine = 0.0; // ms
    std::string problem;
};

std::string hex(unsigned aValue, int aDigits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", aDigits, aValue);
    return text;
}

// S1 records of 17 data bytes: 44 characters and the line end.
std::string makeFile(std::size_t aLines)
{
    std::string text;
    for (std::size_t line = 0; line < aLines; ++line)
    {
        const unsigned recordAddress = static_cast<unsigned>(line * 17) & 0xFFFF;
        const unsigned count = 17 + 3;
        unsigned sum = count + (recordAddress >> 8) + (recordAddress & 0xFF);
        std::string record = "S1" + hex(count, 2) + hex(recordAddress, 4);
        for (unsigned byte = 0; byte < 17; ++byte)
        {
            const unsigned value = (line + byte) & 0xFF;
            sum += value;
            record += hex(value, 2);
        }
        text += record + hex(~sum & 0xFF, 2) + "\n";
    }
    return text;
}

std::vector<std::string> programs(int argc, char** argv)
{
    std::vector<std::string> list(argv + 1, argv + argc);
    if (list.empty())
    {
        const char* named = std::getenv("VORNA_BENCH_PELLORA");
        std::istringstream words(named != nullptr ? named : "");
        std::string word;
        while (words >> word)
        {
            list.push_back(word);
        }
    }
    if (list.empty())
    {
        list.push_back(VORNA_PELLORA_PROGRAM);
    }
    return list;
}

Figures measure(const std::string& aProgram, unsigned aBaudRate)
{
    Figures figures;
    TemporaryFolder files;
    Emulator::UnitEmulator emulator;
    emulator.addUnit(address);
    emulator.setBaudRate(aBaudRate);
    emulator.setPacedReception(true);
    // Pellora's COM1 is the emulator, at the rate under test.
    PortProfile profile;
    Platform::SerialLine::setProgramName("Pellora");
    profile.map(port, emulator.devicePath());
    const std::optional<int> choice = Platform::RateList::download().indexOf(aBaudRate);
    Platform::ProfileStore store("Pellora");
    if (!choice || !store.writeInt("Settings", "CommPort", static_cast<int>(port) - 1) ||
        !store.writeInt("Settings", "BaudRate", *choice) ||
        !store.writeInt("Settings", "DeviceAddress", static_cast<std::int16_t>(address)))
    {
        figures.problem = "the port settings could not be stored";
        return figures;
    }
    const std::size_t lines =
        static_cast<std::size_t>(secondsOnTheWire * aBaudRate / bitsPerByte / 45.0);
    const std::string text = makeFile(lines);
    const std::string file = files.write("firmware.s19", text);
    const std::string script = files.write("download.prx", "download_files(\"" + file + "\");\n");
    const double wireSeconds = static_cast<double>(text.size()) * bitsPerByte / aBaudRate;

    // The unit is ready for the file as soon as the run asks.
    emulator.enterDownloadMode(address);
    try
    {
        ChildProgram program(aProgram, {script});
        // Start: a click on its tool-bar button, the second of the bar.
        const std::string find = "xdotool search --sync --onlyvisible --name Pellora windowactivate --sync "
                                 "mousemove --window %1 42 35 sleep 0.3 click 1 >/dev/null 2>&1";
        if (std::system(find.c_str()) != 0)
        {
            figures.problem = "Start could not be pressed";
            program.kill(SIGKILL);
            return figures;
        }
        // A run that has not begun within seconds never will: Start was missed.
        const Clock::time_point begun = Clock::now() + std::chrono::seconds(10);
        while (emulator.counts().bytesReceived == 0 && Clock::now() < begun)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (emulator.counts().bytesReceived == 0)
        {
            figures.problem = "the download did not begin";
            program.kill(SIGKILL);
            return figures;
        }
        const Clock::time_point limit =
            Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(2 * wireSeconds + 15));
        while (emulator.counts().bytesReceived < text.size() && Clock::now() < limit)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        program.kill(SIGKILL);
    }
    catch (const std::exception& anError)
    {
        figures.problem = anError.what();
        return figures;
    }
    const Emulator::UnitEmulator::Counts counts = emulator.counts();
    if (counts.bytesReceived < text.size())
    {
        figures.problem = "the download did not end (" + std::to_string(counts.bytesReceived) + " of " +
                          std::to_string(text.size()) + " bytes)";
        return figures;
    }
    const double wall = std::chrono::duration<double>(counts.receivedWireEnd - counts.firstReceived).count();
    figures.done = true;
    figures.ratio = wall / wireSeconds;
    figures.idlePerLine = std::chrono::duration<double, std::milli>(counts.receptionIdle).count() / lines;
    return figures;
}
}

int main(int argc, char** argv)
{
    const std::vector<std::string> list = programs(argc, argv);
    Platform::VirtualDisplay display;
    std::string reason;
    if (!display.start(reason) || !display.startWindowManager(reason))
    {
        std::printf("Pellora at the wire's pace: no desktop (%s)\n", reason.c_str());
        return 1;
    }
    std::vector<std::vector<Figures>> results;
    for (const std::string& program : list)
    {
        std::vector<Figures> row;
        for (const unsigned rate : rates)
        {
            row.push_back(measure(program, rate));
        }
        results.push_back(row);
    }
    std::printf("Pellora at the wire's pace: protocol-mode download of 45-character lines, about %.0f s of\n"
                "wire time each, through the window, against the unit paced exactly to the wire\n"
                "(wall time / wire time as the unit sees it, goal at most 1.02; idle wire per line)\n",
                secondsOnTheWire);
    for (std::size_t index = 0; index < list.size(); ++index)
    {
        std::printf("  %s\n", list[index].c_str());
        for (std::size_t rate = 0; rate < std::size(rates); ++rate)
        {
            const Figures& figures = results[index][rate];
            if (figures.done)
            {
                std::printf("    %6u baud   %6.3f   idle %6.3f ms per line\n", rates[rate], figures.ratio,
                            figures.idlePerLine);
            }
            else
            {
                std::printf("    %6u baud   no figure: %s\n", rates[rate], figures.problem.c_str());
            }
        }
    }
    return 0;
}
