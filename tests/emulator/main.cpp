// The unit emulator as a program, for trying the programs by hand:
//
//     unit_emulator [--baud N] [--type TEXT] [--version TEXT]
//                   [--model KQ310|KQ330|KQ350] [ADDRESS ...] [--model ... ADDRESS ...]
//
// Serves units at the given device addresses (hexadecimal, default 8280) on
// a pseudo-terminal, prints the terminal's path and serves until stdin
// closes. Each address is a fresh unit of the model named last before it
// (the values of tests/emulator/models); an address before any --model is a
// unit that holds only its identification, enough for a download. --type and
// --version replace the identification texts of every unit. While it serves,
// the program reports each unit's download as it changes: whether the unit
// is in download mode, how many lines it has received and the last of them.
// With --baud the line is paced both ways, as a real port at that rate.

#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq310Unit.h"
#include "tests/emulator/models/Kq330Unit.h"
#include "tests/emulator/models/Kq350Unit.h"

#include <cstdlib>
#include <iostream>
#include <optional>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
const char* const theUsage = "usage: unit_emulator [--baud N] [--type TEXT] [--version TEXT] "
                             "[--model KQ310|KQ330|KQ350] [ADDRESS ...] [--model ... ADDRESS ...]\n";
// How often the download reports are brought up to date.
const int theReportInterval = 100; // ms

// A unit as the command line asks for it: its address and its model ("" for
// a unit with only its identification).
struct UnitRequest
{
    uint16_t address;
    std::string model;
};

bool isModel(const std::string& aName)
{
    return aName == "KQ310" || aName == "KQ330" || aName == "KQ350";
}

Emulator::ParameterMap freshValues(const std::string& aModel)
{
    if (aModel == "KQ310")
        return Emulator::Kq310Unit::freshValues();
    if (aModel == "KQ330")
        return Emulator::Kq330Unit::freshValues();
    if (aModel == "KQ350")
        return Emulator::Kq350Unit::freshValues();
    return Emulator::ParameterMap();
}

// The identification texts of a fresh unit of the model; a KQ310, which the
// remote-control program does not identify, and a unit of no model answer
// as before the models came.
std::pair<std::string, std::string> identification(const std::string& aModel)
{
    if (aModel == "KQ330")
        return {Emulator::Kq330Unit::model().deviceType, Emulator::Kq330Unit::model().firmwareVersion};
    if (aModel == "KQ350")
        return {Emulator::Kq350Unit::model().deviceType, Emulator::Kq350Unit::model().firmwareVersion};
    return {aModel.empty() ? "KQ330" : aModel, "1.03"};
}

std::string hexadecimal(uint16_t anAddress)
{
    const char digits[] = "0123456789abcdef";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4)
        text += digits[(anAddress >> shift) & 0xF];
    return text;
}

// What was last reported of one unit's download.
struct DownloadReport
{
    bool inDownloadMode = false;
    std::size_t lines = 0;
};

void reportDownloads(const Emulator::UnitEmulator& anEmulator, const std::vector<UnitRequest>& someUnits,
                     std::vector<DownloadReport>& someReports)
{
    for (std::size_t i = 0; i < someUnits.size(); ++i)
    {
        const uint16_t address = someUnits[i].address;
        DownloadReport& reported = someReports[i];
        const std::vector<std::string> lines = anEmulator.downloadLines(address);
        const bool inDownloadMode = anEmulator.inDownloadMode(address);
        if (inDownloadMode == reported.inDownloadMode && lines.size() == reported.lines)
            continue;
        std::cout << hexadecimal(address) << ": " << (inDownloadMode ? "download mode" : "not in download mode")
                  << ", ";
        if (lines.empty())
            std::cout << "no lines received yet";
        else
            std::cout << lines.size() << " lines received, the last " << lines.back();
        std::cout << std::endl;
        reported.inDownloadMode = inDownloadMode;
        reported.lines = lines.size();
    }
}

// True while stdin is open; waits up to aMilliseconds for it.
bool stdinOpen(int aMilliseconds)
{
    pollfd input = {STDIN_FILENO, POLLIN, 0};
    if (poll(&input, 1, aMilliseconds) <= 0)
        return true;
    char buffer[256];
    return read(STDIN_FILENO, buffer, sizeof buffer) > 0;
}
}

int main(int argc, char** argv)
{
    unsigned baudRate = 0;
    std::optional<std::string> deviceType;
    std::optional<std::string> version;
    std::string model;
    std::vector<UnitRequest> units;
    for (int i = 1; i < argc; ++i)
    {
        std::string argument = argv[i];
        bool hasValue = i + 1 < argc;
        if (argument == "--baud" && hasValue)
            baudRate = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (argument == "--type" && hasValue)
            deviceType = argv[++i];
        else if (argument == "--version" && hasValue)
            version = argv[++i];
        else if (argument == "--model" && hasValue && isModel(argv[i + 1]))
            model = argv[++i];
        else if (!argument.empty() && argument[0] != '-')
            units.push_back({static_cast<uint16_t>(std::strtoul(argument.c_str(), nullptr, 16)), model});
        else
        {
            std::cerr << theUsage;
            return 2;
        }
    }
    if (units.empty())
        units.push_back({0x8280, model});

    try
    {
        Emulator::UnitEmulator emulator;
        emulator.setBaudRate(baudRate);
        emulator.setPacedReception(true);
        for (const UnitRequest& unit : units)
        {
            emulator.addUnit(unit.address, freshValues(unit.model));
            const auto texts = identification(unit.model);
            emulator.setIdentification(unit.address, deviceType.value_or(texts.first), version.value_or(texts.second));
        }
        std::cout << emulator.devicePath() << std::endl;
        std::vector<DownloadReport> reports(units.size());
        while (stdinOpen(theReportInterval))
            reportDownloads(emulator, units, reports);
        reportDownloads(emulator, units, reports);
    }
    catch (const std::exception& error)
    {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
