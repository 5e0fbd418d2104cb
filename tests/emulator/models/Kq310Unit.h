#pragma once

// The KQ310 as the unit emulator holds it: every parameter group that the
// program reads, with the values of a fresh unit. Control groups are read
// under their own letter and written under the letter before ('A' for 'B',
// 'D' for 'E', 'G' for 'H'); the emulator takes a frame of a group it holds
// as a request and any other as a write, so no write group may be held.
//
//     Emulator::UnitEmulator emulator;
//     emulator.addUnit(0x8280, Emulator::Kq310Unit::freshValues());

#include "tests/emulator/UnitFrame.h"

#include <vector>

namespace Emulator
{
class Kq310Unit
{
public:
    // The rows of each group: 0 to last, in this order.
    struct Group
    {
        uint8_t letter;
        int last;
        bool control;
    };

    static std::vector<Group> groups();
    // The group letters under which the program writes the control groups.
    static std::vector<uint8_t> writeGroups();
    // A fresh unit: multi-channel (3/2 with LFE) unless aMultiChannel is false.
    static ParameterMap freshValues(bool aMultiChannel = true);
};
}
