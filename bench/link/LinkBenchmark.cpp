// How close the device link comes to the wire's own limit: whole exchanges
// with the unit emulator paced to the baud rate, against the time the bytes
// need on a real line. Prints its figures and asserts nothing.

#include "Platform/ProfileStore.h"
#include "Platform/LineSettings.h"
#include "Platform/SerialLine.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteProtocol.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "Toolkit/Parameter/Protocol.h"

#include "tests/emulator/UnitEmulator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

#include <ftw.h>
#include <time.h>
#include <unistd.h>

namespace
{
using Emulator::UnitEmulator;
typedef std::chrono::steady_clock Clock;

const std::uint16_t address = 0x8280;
const unsigned port = 9;
const std::chrono::milliseconds settleTime(50);

double threadSeconds()
{
    struct timespec now;
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

int removeEntry(const char* aPath, const struct stat*, int, struct FTW*)
{
    return ::remove(aPath);
}

void measure(const char* aName, unsigned aBaudRate, int aCount, UnitEmulator& anEmulator,
             const std::function<void()>& anExchange)
{
    const UnitEmulator::Counts before = anEmulator.counts();
    const double cpuBefore = threadSeconds();
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < aCount; ++i)
    {
        anExchange();
    }
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = threadSeconds() - cpuBefore;
    // The closing ACK of the last exchange may still be on its way to the
    // emulator; counted now it would fall to the next case.
    std::this_thread::sleep_for(settleTime);
    const UnitEmulator::Counts after = anEmulator.counts();
    const double bytes = double(after.bytesReceived - before.bytesReceived + after.bytesSent - before.bytesSent);
    const double added = std::chrono::duration<double>(after.addedDelay - before.addedDelay).count();
    const double wire = bytes * 10.0 / aBaudRate + added;
    if (aBaudRate == 0)
    {
        // Unpaced: what the pseudo-terminal, the emulator and the link cost
        // per exchange with no wire time at all.
        std::printf("%-28s unpaced    %4d x: wall %7.3f s, %7.1f us/exchange, cpu %7.1f us/exchange\n", aName,
                    aCount, wall, wall / aCount * 1e6, cpu / aCount * 1e6);
        return;
    }
    std::printf("%-28s %6u baud %4d x: wall %7.3f s, wire %7.3f s (%6.0f bytes, %.3f s added), ratio %.3f, "
                "cpu %7.1f us/exchange (%.2f%% of wall)\n",
                aName, aBaudRate, aCount, wall, wire, bytes, added, wall / wire, cpu / aCount * 1e6,
                cpu / wall * 100.0);
}

void run(unsigned aBaudRate)
{
    UnitEmulator emulator;
    Emulator::ParameterMap values{{{'B', 3}, UnitEmulator::integer(0)}};
    ParameterIdList group;
    for (int index = 0; index < 17; ++index)
    {
        values[{'C', static_cast<std::uint8_t>(index)}] = UnitEmulator::integer(index * 100);
        group.push_back(ParameterId('C', index));
    }
    emulator.addUnit(address, values);
    emulator.setBaudRate(aBaudRate);
    if (!Platform::ProfileStore(Platform::SerialLine::programName())
             .writeString("Ports", "COM" + std::to_string(port), emulator.devicePath()))
    {
        throw std::runtime_error("cannot map the port to the emulator");
    }

    Win32SerialPort serialPort(port, Platform::LineSettings(aBaudRate != 0 ? aBaudRate : 38400));
    SerialDevice device(&serialPort);
    SmpteProtocol serial(address, &device);
    Protocol protocol(&serial);

    measure("list of 17 ids of group 'C'", aBaudRate, 200, emulator, [&] {
        ParameterValueMap result;
        protocol.getValues(group, result);
    });
    int next = 0;
    measure("setAndGetValue of ('B', 3)", aBaudRate, 100, emulator,
            [&] { protocol.setAndGetValue(ParameterId('B', 3), ParameterValue(++next), 0); });
}
}

int main()
{
    char folder[] = "/tmp/vorna-bench-link-XXXXXX";
    if (::mkdtemp(folder) == nullptr)
    {
        std::perror("mkdtemp");
        return 1;
    }
    ::setenv("XDG_CONFIG_HOME", folder, 1);
    int status = 0;
    try
    {
        run(0);
        run(38400);
        run(9600);
    }
    catch (const std::exception& anError)
    {
        std::fprintf(stderr, "bench_link: %s\n", anError.what());
        status = 1;
    }
    ::nftw(folder, removeEntry, 8, FTW_DEPTH | FTW_PHYS);
    return status;
}
