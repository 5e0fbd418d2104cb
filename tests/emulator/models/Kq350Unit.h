#pragma once

// The KQ350 as the unit emulator holds it: the groups of Kq330Unit, with a
// multi-channel unit's values (3/2 with LFE), the KQ350's longer coding delay
// and its own identification.
//
//     Emulator::UnitEmulator emulator;
//     emulator.addUnit(0x8280, Emulator::Kq350Unit::freshValues());

#include "tests/emulator/models/Kq330Unit.h"

namespace Emulator
{
class Kq350Unit
{
public:
    static const Kq330Unit::Model& model();
    static ParameterMap freshValues();
};
}
