#pragma once

// The KQ330 as the unit emulator holds it: every group that the program reads
// from a KQ330 or KQ350 (the common groups, the unit control group 'a', the
// reference-input status 'b', the preset names 'd' and the identification
// group 0xF8), with the values of a fresh unit. Control groups are read under
// their own letter and written under the letter before ('A', 'D', 'G', 0x60
// and 'c'); the emulator takes a frame of a group it holds as a request and
// any other as a write, so no write group is held.
//
//     Emulator::UnitEmulator emulator;
//     emulator.addUnit(0x8280, Emulator::Kq330Unit::freshValues());
//     emulator.setIdentification(0x8280, "KQ330", "1.02");   // too old a firmware
//
// Kq350Unit holds the KQ350 the same way.

#include "tests/emulator/UnitFrame.h"

#include <string>
#include <vector>

namespace Emulator
{
class Kq330Unit
{
public:
    // The rows of each group: 0 to last, in this order.
    struct Group
    {
        uint8_t letter;
        int last;
        bool control;
    };

    // What sets one model of the family apart from the other.
    struct Model
    {
        bool multiChannel;
        int codingDelayMaximum;
        std::string deviceType;
        std::string firmwareVersion;
    };

    static const Model& model();
    static std::vector<Group> groups();
    // The group letters under which the program writes the control groups.
    static std::vector<uint8_t> writeGroups();
    // A fresh KQ330: two-channel (2/0 without LFE), the coding delay at its
    // maximum, the preset names of a new unit and its identification.
    static ParameterMap freshValues();
    // A fresh unit of either model.
    static ParameterMap freshValues(const Model& aModel);
};
}
