#include "tests/emulator/UnitFrame.h"

#include <algorithm>
#include <stdexcept>

namespace Emulator
{
uint8_t UnitFrame::checksum(const Bytes& aData)
{
    unsigned sum = static_cast<unsigned>(aData.size());
    for (uint8_t byte : aData)
        sum += byte;
    return static_cast<uint8_t>(0u - sum);
}

Bytes UnitFrame::encode(const Bytes& aData)
{
    if (aData.size() > maximumData)
        throw std::length_error("a frame carries at most 255 data bytes");
    Bytes frame;
    frame.reserve(aData.size() + 3);
    frame.push_back(stx);
    frame.push_back(static_cast<uint8_t>(aData.size()));
    frame.insert(frame.end(), aData.begin(), aData.end());
    frame.push_back(checksum(aData));
    return frame;
}

bool UnitFrame::isIntact(const Bytes& aFrame)
{
    if (aFrame.size() < 3 || aFrame[0] != stx || aFrame.size() != std::size_t(aFrame[1]) + 3)
        return false;
    return checksum(data(aFrame)) == aFrame.back();
}

Bytes UnitFrame::data(const Bytes& aFrame)
{
    if (aFrame.size() < 2 || aFrame.size() < std::size_t(aFrame[1]) + 2)
        return Bytes();
    return Bytes(aFrame.begin() + 2, aFrame.begin() + 2 + aFrame[1]);
}

Bytes UnitFrame::encodeValues(uint8_t aGroup, const std::vector<ValueEntry>& someEntries)
{
    Bytes data{aGroup};
    for (const ValueEntry& entry : someEntries)
    {
        Bytes encoded;
        const Bytes& value = entry.second;
        if (value.size() == 2)
            encoded = {entry.first, value[0], value[1]};
        else
        {
            std::size_t length = std::min(value.size(), maximumData);
            encoded = {extended, entry.first, static_cast<uint8_t>(length)};
            encoded.insert(encoded.end(), value.begin(), value.begin() + length);
        }
        if (data.size() + encoded.size() > maximumData)
            break;
        data.insert(data.end(), encoded.begin(), encoded.end());
    }
    return data;
}

bool UnitFrame::decodeValues(const Bytes& aData, std::vector<ValueEntry>& someEntries)
{
    if (aData.empty())
        return false;
    std::vector<ValueEntry> entries;
    std::size_t position = 1;
    while (position < aData.size())
    {
        std::size_t left = aData.size() - position;
        if (left < 3)
            return false;
        if (aData[position] == extended)
        {
            std::size_t length = aData[position + 2];
            if (left < 3 + length)
                return false;
            auto begin = aData.begin() + position + 3;
            entries.emplace_back(aData[position + 1], Bytes(begin, begin + length));
            position += 3 + length;
        }
        else
        {
            entries.emplace_back(aData[position], Bytes{aData[position + 1], aData[position + 2]});
            position += 3;
        }
    }
    someEntries = entries;
    return !entries.empty();
}
}
