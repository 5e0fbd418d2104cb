// Sends a 64 KiB S-record file in protocol mode to the emulated unit paced at
// 38400 baud, through the real port stack, and compares the wall time with the
// time the bytes need on the wire. It reports; it asserts nothing.

#include "Pellora/Engine/Interpreter.h"
#include "Platform/LineSettings.h"
#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "bench/download/UnattendedOperator.h"
#include "tests/emulator/UnitEmulator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
const unsigned baudRate = 38400;
const std::uint16_t address = 0x8280;
const std::size_t fileSize = 64 * 1024;

std::string hex(unsigned aValue, int aDigits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", aDigits, aValue);
    return text;
}

// One record: type, count, address, data and the ones' complement checksum.
std::string record(char aType, unsigned anAddress, const std::vector<unsigned char>& someData)
{
    const unsigned count = static_cast<unsigned>(someData.size()) + 3;
    unsigned sum = count + (anAddress >> 8) + (anAddress & 0xFF);
    std::string line = std::string("S") + aType + hex(count, 2) + hex(anAddress, 4);
    for (const unsigned char byte : someData)
    {
        sum += byte;
        line += hex(byte, 2);
    }
    return line + hex(~sum & 0xFF, 2) + "\n";
}

// A header, data records of 32 bytes up to the size, and the termination record.
std::string makeFile()
{
    std::string text = record('0', 0, {'b', 'e', 'n', 'c', 'h'});
    const std::string end = record('9', 0, {});
    unsigned recordAddress = 0;
    std::vector<unsigned char> data(32);
    while (text.size() + end.size() < fileSize)
    {
        for (std::size_t i = 0; i < data.size(); ++i)
        {
            data[i] = static_cast<unsigned char>((recordAddress + i) * 7);
        }
        std::string line = record('1', recordAddress & 0xFFFF, data);
        if (text.size() + line.size() + end.size() > fileSize)
        {
            // The last data record fills what is left, to within a byte.
            const std::size_t room = fileSize - text.size() - end.size();
            data.resize(room > 13 ? (room - 13) / 2 : 0);
            line = record('1', recordAddress & 0xFFFF, data);
            if (data.empty() || text.size() + line.size() + end.size() > fileSize)
            {
                break;
            }
        }
        text += line;
        recordAddress += static_cast<unsigned>(data.size());
    }
    return text + end;
}

double threadCpuSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

double processCpuSeconds()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}
}

int main()
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("bench-download-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);

    int result = 0;
    try
    {
        const std::string content = makeFile();
        const fs::path file = folder / "firmware.s19";
        std::ofstream(file, std::ios::binary) << content;
        const fs::path script = folder / "download.prx";
        std::ofstream(script) << "download_files(\"" << file.string() << "\");\nreset;\n";

        Emulator::UnitEmulator emulator;
        emulator.addUnit(address);
        emulator.setBaudRate(baudRate);

        // The program's own port: COM1 mapped to the emulator's line.
        Platform::SerialLine::setProgramName("Pellora");
        if (!Platform::ProfileStore("Pellora").writeString("Ports", "COM1", emulator.devicePath()))
        {
            throw std::runtime_error("cannot map COM1 to the emulator");
        }
        Win32SerialPort port(1, Platform::LineSettings(baudRate));
        SerialDevice device(&port);
        UnattendedOperator nobody;
        Interpreter interpreter(&nobody, &device, address);

        // The unit is put into download mode directly: the measured run is the
        // file and the closing reset, which waits for the unit to accept it.
        emulator.enterDownloadMode(address);
        const Emulator::UnitEmulator::Counts before = emulator.counts();
        const double threadBefore = threadCpuSeconds();
        const double processBefore = processCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const bool ran = interpreter.runScript(script.string());
        const auto stop = std::chrono::steady_clock::now();
        if (!ran)
        {
            throw std::runtime_error("could not read " + script.string());
        }
        const double threadCpu = threadCpuSeconds() - threadBefore;
        const double processCpu = processCpuSeconds() - processBefore;
        const Emulator::UnitEmulator::Counts after = emulator.counts();

        const std::uint64_t received = after.bytesReceived - before.bytesReceived;
        const std::uint64_t sent = after.bytesSent - before.bytesSent;
        // Only the answers that were waited for cross after the run began; the
        // status sent on entering download mode was already on its way.
        const double wire = (received + sent) * 10.0 / baudRate;
        const double wall = std::chrono::duration<double>(stop - start).count();
        std::printf("download: %zu byte S-record file, %zu lines, protocol mode at %u baud\n", content.size(),
                    emulator.downloadLines(address).size(), baudRate);
        std::printf("  bytes to the unit    %llu\n", static_cast<unsigned long long>(received));
        std::printf("  bytes from the unit  %llu\n", static_cast<unsigned long long>(sent));
        std::printf("  wall time            %.3f s\n", wall);
        std::printf("  wire time            %.3f s\n", wire);
        std::printf("  ratio wall/wire      %.4f (target at most 1.03)\n", wall / wire);
        std::printf("  host CPU time        %.3f s (program thread), %.3f s (with the emulator's thread)\n",
                    threadCpu, processCpu);
    }
    catch (const std::exception& anError)
    {
        std::fprintf(stderr, "bench_download: %s\n", anError.what());
        result = 1;
    }
    std::error_code error;
    fs::remove_all(folder, error);
    return result;
}
