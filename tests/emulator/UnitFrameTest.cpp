#include "tests/emulator/UnitFrame.h"

#include <gtest/gtest.h>

using namespace Emulator;

TEST(UnitFrameTest, EncodesWithLengthAndChecksum)
{
    EXPECT_EQ(UnitFrame::encode({0x41, 0x03, 0x00, 0x01}), (Bytes{0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB7}));
    EXPECT_EQ(UnitFrame::encode({0x42, 0x03}), (Bytes{0x02, 0x02, 0x42, 0x03, 0xB9}));
    EXPECT_EQ(UnitFrame::encode({}), (Bytes{0x02, 0x00, 0x00}));
    EXPECT_THROW(UnitFrame::encode(Bytes(256, 0)), std::length_error);
}

TEST(UnitFrameTest, IntactOnlyWithRightLengthAndChecksum)
{
    EXPECT_TRUE(UnitFrame::isIntact({0x02, 0x02, 0x42, 0x05, 0xB7}));
    EXPECT_FALSE(UnitFrame::isIntact({0x02, 0x02, 0x42, 0x05, 0xB8}));
    EXPECT_FALSE(UnitFrame::isIntact({0x02, 0x02, 0x42, 0x05}));
    EXPECT_FALSE(UnitFrame::isIntact({0x02, 0x02, 0x42, 0x05, 0xB7, 0x00}));
    EXPECT_FALSE(UnitFrame::isIntact({0x03, 0x02, 0x42, 0x05, 0xB7}));
}

TEST(UnitFrameTest, EncodesPlainAndExtendedEntries)
{
    Bytes data = UnitFrame::encodeValues('B', {{3, {0x00, 0x01}}, {4, {'a'}}, {5, {}}, {6, {1, 2, 3}}});
    EXPECT_EQ(data, (Bytes{'B', 3, 0x00, 0x01, 0xFF, 4, 1, 'a', 0xFF, 5, 0, 0xFF, 6, 3, 1, 2, 3}));
}

TEST(UnitFrameTest, LeavesOutEntriesBeyondTheFrameLimit)
{
    std::vector<ValueEntry> entries;
    for (int index = 0; index < 100; ++index)
        entries.emplace_back(static_cast<uint8_t>(index), Bytes{0, 0});
    Bytes data = UnitFrame::encodeValues('I', entries);
    EXPECT_EQ(data.size(), 1u + 84u * 3u); // 84 whole entries fit in 255 bytes
    EXPECT_NO_THROW(UnitFrame::encode(data));
}

TEST(UnitFrameTest, DecodesWholeEntriesOnly)
{
    struct Case
    {
        Bytes data;
        bool whole;
        std::vector<ValueEntry> entries;
    };
    const Case cases[] = {
        {{'A', 3, 0x00, 0x01}, true, {{3, {0x00, 0x01}}}},
        {{'`', 0xFF, 14, 3, 'a', 'b', 'c', 2, 0x12, 0x34}, true, {{14, {'a', 'b', 'c'}}, {2, {0x12, 0x34}}}},
        {{0xF9, 0xFF, 0, 0}, true, {{0, {}}}}, // an empty value
        {{0xF9, 0xFF, 0, 0, 7, 0, 1}, true, {{0, {}}, {7, {0, 1}}}},
        {{'I', 0xFF, 1}, false, {}},        // too short for an extended entry
        {{'I', 0, 1}, false, {}},           // a request of two ids
        {{'I', 0, 1, 2, 3}, false, {}},     // one entry and a byte over
        {{'I', 0xFF, 1, 5, 'x'}, false, {}}, // the count runs past the end
        {{'I'}, false, {}},
    };
    for (const Case& aCase : cases)
    {
        std::vector<ValueEntry> entries;
        EXPECT_EQ(UnitFrame::decodeValues(aCase.data, entries), aCase.whole);
        if (aCase.whole)
        {
            EXPECT_EQ(entries, aCase.entries);
        }
    }
}
