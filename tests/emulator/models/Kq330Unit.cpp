#include "tests/emulator/models/Kq330Unit.h"

namespace Emulator
{
namespace
{
Bytes integer(int aValue)
{
    return Bytes{static_cast<uint8_t>((aValue >> 8) & 0xFF), static_cast<uint8_t>(aValue & 0xFF)};
}

Bytes text(const std::string& aText)
{
    return Bytes(aText.begin(), aText.end());
}

const uint8_t identificationGroup = 0xF8;
}

const Kq330Unit::Model& Kq330Unit::model()
{
    static const Model theModel = {false, 200, "KQ330", "1.03"};
    return theModel;
}

std::vector<Kq330Unit::Group> Kq330Unit::groups()
{
    return {
        {'@', 12, false}, {'B', 35, true}, {'C', 16, false}, {'E', 10, true},  {'F', 7, false},
        {'H', 11, true},  {'I', 6, false}, {'a', 15, true},  {'b', 12, false}, {'d', 31, true},
        {identificationGroup, 1, false},
    };
}

std::vector<uint8_t> Kq330Unit::writeGroups()
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

ParameterMap Kq330Unit::freshValues()
{
    return freshValues(model());
}

ParameterMap Kq330Unit::freshValues(const Model& aModel)
{
    ParameterMap values;
    for (const Group& group : groups())
    {
        for (int index = 0; index <= group.last; ++index)
        {
            values[ParameterKey(group.letter, static_cast<uint8_t>(index))] = integer(0);
        }
    }
    const auto set = [&values](uint8_t aGroup, int anIndex, const Bytes& aValue) {
        values[ParameterKey(aGroup, static_cast<uint8_t>(anIndex))] = aValue;
    };
    const bool multiChannel = aModel.multiChannel;

    // Capabilities: multi-channel or not, no record-play, and the lowest data
    // rate index for one to five main channels.
    set('@', 1, integer(multiChannel ? 1 : 0));
    set('@', 8, integer(3));
    set('@', 9, integer(6));
    set('@', 10, integer(8));
    set('@', 11, integer(10));
    set('@', 12, integer(11));

    // Coding: automatic sample rate, 448 kbps, 3/2 with LFE (2/0 without on a
    // two-channel unit), dialog normalization -31 dBFS, film standard preset,
    // the filters on, automatic deemphasis; the two reserved rows hold -1.
    set('B', 0, integer(-1));
    set('B', 1, integer(15));
    set('B', 3, integer(multiChannel ? 7 : 2));
    set('B', 4, integer(multiChannel ? 1 : 0));
    set('B', 5, integer(31));
    set('B', 6, integer(31));
    set('B', 21, integer(1));
    set('B', 26, integer(1));
    for (int index = 27; index <= 31; ++index)
    {
        set('B', index, integer(1));
    }
    set('B', 33, integer(-1));
    set('B', 34, integer(-1));
    set('B', 35, integer(-1));

    // Bit stream: full compression levels, mid-scale gain words.
    set('C', 10, integer(256));
    set('C', 11, integer(256));
    for (int index = 12; index <= 16; ++index)
    {
        set('C', index, integer(128));
    }

    // Encoder started; inputs routed as preset 0; professional 32-bit output
    // with time code, non-audio.
    set('E', 0, integer(1));
    const int inputs[] = {0, 4, 1, 2, 3, 5};
    for (int channel = 0; channel < 6; ++channel)
    {
        set('H', channel, integer(inputs[channel]));
    }
    set('H', 6, integer(1));
    set('H', 7, integer(1));
    set('H', 9, integer(1));

    // Unit controls: the digital input, the clock from it, PCM, the longest
    // coding delay, the lowest rows of the two preset fields, and the model's
    // name as the unit name.
    set('a', 0, integer(1));
    set('a', 5, integer(aModel.codingDelayMaximum));
    set('a', 10, integer(1));
    set('a', 13, integer(9));
    set('a', 14, text(aModel.deviceType));
    set('b', 7, integer(aModel.codingDelayMaximum));

    // The preset names of a new unit: 28 numbered ones and four named ones.
    for (int preset = 0; preset < 28; ++preset)
    {
        set('d', preset, text("Preset " + std::to_string(preset + 1)));
    }
    set('d', 28, text("STEREO MUSIC"));
    set('d', 29, text("STEREO FILM"));
    set('d', 30, text("SRND MUSIC"));
    set('d', 31, text("SRND FILM"));

    set(identificationGroup, 0, text(aModel.deviceType));
    set(identificationGroup, 1, text(aModel.firmwareVersion));
    return values;
}
}
