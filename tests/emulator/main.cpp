// The unit emulator as a program, for trying the programs by hand:
//
//     unit_emulator [--baud N] [--type TEXT] [--version TEXT] [ADDRESS ...]
//
// Serves units at the given device addresses (hexadecimal, default 8280) on
// a pseudo-terminal, prints the terminal's path and serves until stdin closes.

#include "tests/emulator/UnitEmulator.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    unsigned baudRate = 0;
    std::string deviceType = "KQ330";
    std::string version = "1.03";
    std::vector<uint16_t> addresses;
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
        else if (!argument.empty() && argument[0] != '-')
            addresses.push_back(static_cast<uint16_t>(std::strtoul(argument.c_str(), nullptr, 16)));
        else
        {
            std::cerr << "usage: unit_emulator [--baud N] [--type TEXT] [--version TEXT] [ADDRESS ...]\n";
            return 2;
        }
    }
    if (addresses.empty())
        addresses.push_back(0x8280);

    try
    {
        Emulator::UnitEmulator emulator;
        emulator.setBaudRate(baudRate);
        for (uint16_t address : addresses)
        {
            emulator.addUnit(address);
            emulator.setIdentification(address, deviceType, version);
        }
        std::cout << emulator.devicePath() << std::endl;
        std::string ignored;
        while (std::getline(std::cin, ignored))
        {
        }
    }
    catch (const std::exception& error)
    {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
