#include "tests/emulator/models/Kq310Unit.h"

namespace Emulator
{
namespace
{
Bytes integer(int aValue)
{
    return Bytes{static_cast<uint8_t>((aValue >> 8) & 0xFF), static_cast<uint8_t>(aValue & 0xFF)};
}
}

std::vector<Kq310Unit::Group> Kq310Unit::groups()
{
    return {
        {'@', 12, false}, {'B', 35, true}, {'C', 16, false}, {'E', 10, true},
        {'F', 7, false},  {'H', 11, true}, {'I', 6, false},
    };
}

std::vector<uint8_t> Kq310Unit::writeGroups()
{
    std::vector<uint8_t> letters;
    for (const Group& group : groups())
    {
        if (group.control)
        {
            letters.push_back(static_cast<uint8_t>(group.letter - 1));
        }
    }
    return letters;
}

ParameterMap Kq310Unit::freshValues(bool aMultiChannel)
{
    ParameterMap values;
    for (const Group& group : groups())
    {
        for (int index = 0; index <= group.last; ++index)
        {
            values[ParameterKey(group.letter, static_cast<uint8_t>(index))] = integer(0);
        }
    }
    const auto set = [&values](uint8_t aGroup, int anIndex, int aValue) {
        values[ParameterKey(aGroup, static_cast<uint8_t>(anIndex))] = integer(aValue);
    };

    // Capabilities: multi-channel, and the lowest data rate index for one to
    // five main channels.
    set('@', 1, aMultiChannel ? 1 : 0);
    set('@', 8, 3);
    set('@', 9, 6);
    set('@', 10, 8);
    set('@', 11, 10);
    set('@', 12, 11);

    // Coding: automatic sample rate, 448 kbps, 3/2 with LFE (2/0 without on a
    // two-channel unit), dialog normalization -31 dBFS, film standard preset,
    // the filters on, deemphasis applied; the two reserved rows at the end hold -1.
    set('B', 0, -1);
    set('B', 1, 15);
    set('B', 3, aMultiChannel ? 7 : 2);
    set('B', 4, aMultiChannel ? 1 : 0);
    set('B', 5, 31);
    set('B', 6, 31);
    set('B', 21, 1);
    set('B', 26, 1);
    for (int index = 27; index <= 31; ++index)
    {
        set('B', index, 1);
    }
    set('B', 33, 1);
    set('B', 34, -1);
    set('B', 35, -1);

    // Bit stream: full compression levels, mid-scale gain words.
    set('C', 10, 256);
    set('C', 11, 256);
    for (int index = 12; index <= 16; ++index)
    {
        set('C', index, 128);
    }

    // Encoder started; inputs routed as preset 0; professional 32-bit output
    // with time code, non-audio.
    set('E', 0, 1);
    const int inputs[] = {0, 4, 1, 2, 3, 5};
    for (int channel = 0; channel < 6; ++channel)
    {
        set('H', channel, inputs[channel]);
    }
    set('H', 6, 1);
    set('H', 7, 1);
    set('H', 9, 1);
    return values;
}
}
