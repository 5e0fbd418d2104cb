#include "Toolkit/Parameter/ParameterId.h"

#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

namespace
{
std::string textOf(const ParameterId& anId)
{
    std::ostringstream stream;
    stream << anId;
    return stream.str();
}

struct IdTextCase
{
    int group;
    int index;
    const char* text;
};

class ParameterIdText : public ::testing::TestWithParam<IdTextCase>
{
};

TEST_P(ParameterIdText, PrintsSignExtendedGroupInHexAndIndexInDecimal)
{
    const IdTextCase& c = GetParam();
    EXPECT_EQ(c.text, textOf(ParameterId(c.group, c.index)));
}

INSTANTIATE_TEST_SUITE_P(Cases, ParameterIdText,
                         ::testing::Values(IdTextCase{'B', 5, "(42, 5)"}, IdTextCase{0x61, 12, "(61, 12)"},
                                           IdTextCase{0xF8, 1, "(fffffff8, 1)"},
                                           IdTextCase{0xF8, 0x80, "(fffffff8, -128)"},
                                           IdTextCase{'O', 0, "(4f, 0)"}, IdTextCase{0, 127, "(0, 127)"}));

TEST(ParameterId, PreviousAndNextChangeOnlyTheGroupAndWrap)
{
    EXPECT_EQ(ParameterId('A', 0), ParameterId('B', 0).previous());
    EXPECT_EQ(ParameterId(0xFF, 5), ParameterId(0, 5).previous());
    EXPECT_EQ(-1, ParameterId(0, 5).previous().group());
    EXPECT_EQ(5, ParameterId(0, 5).previous().index());
    EXPECT_EQ(ParameterId('C', 3), ParameterId('B', 3).next());
    EXPECT_EQ(ParameterId(-128, 7), ParameterId(127, 7).next());
    EXPECT_EQ(ParameterId(0x7F, 1), ParameterId(0x80, 1).previous());
}

TEST(ParameterId, OrdersByGroupThenIndexAsSignedBytes)
{
    EXPECT_TRUE(ParameterId(0xF8, 0) < ParameterId(0, 0));
    EXPECT_TRUE(ParameterId(0, 0) < ParameterId('B', 0));
    EXPECT_TRUE(ParameterId('B', 0x80) < ParameterId('B', 0));
    EXPECT_TRUE(ParameterId('B', 0) < ParameterId('B', 0x7F));
    EXPECT_FALSE(ParameterId('B', 3) < ParameterId('B', 3));
    EXPECT_TRUE(ParameterId('B', 100).lessGroup(ParameterId('C', 0)));
    EXPECT_FALSE(ParameterId('B', 0).lessGroup(ParameterId('B', 9)));
    EXPECT_TRUE(ParameterId(0xF8, 9).lessGroup(ParameterId(0, 0)));
    EXPECT_NE(ParameterId('B', 1), ParameterId('B', 2));
}

TEST(ParameterId, AppendsItsBytesInTheThreeForms)
{
    ByteString bytes;
    ParameterId(0xF8, 3).appendTo(&bytes);
    ParameterId('B', 0x80).appendAround(&bytes, 0x2C);
    ParameterId('H', 9).appendIndexTo(&bytes);
    const unsigned char expected[] = {0xF8, 0x03, 0x42, 0x2C, 0x80, 0x09};
    EXPECT_EQ(ByteString(expected, sizeof expected), bytes);
}

TEST(ParameterId, SaveWritesGroupAndIndexAndAddsThemAsSignedBytes)
{
    std::ostringstream stream;
    std::uint32_t checksum = 10;
    ParameterId(0xF8, 0x81).save(stream, &checksum);
    EXPECT_EQ(std::string("\xF8\x81", 2), stream.str());
    EXPECT_EQ(static_cast<std::uint32_t>(10 - 8 - 127), checksum);
}

TEST(ParameterId, SaveToAFailedStreamThrows)
{
    std::ostringstream stream;
    stream.setstate(std::ios::badbit);
    std::uint32_t checksum = 0;
    try
    {
        ParameterId('B', 1).save(stream, &checksum);
        FAIL() << "no exception";
    }
    catch (const VornaException& e)
    {
        EXPECT_STREQ("Error saving a parameter id", e.what());
    }
    EXPECT_EQ(0u, checksum);
}

TEST(ParameterId, RestoreReadsBackWhatSaveWrote)
{
    std::stringstream stream;
    std::uint32_t saved = 0;
    ParameterId(0xF8, 0x80).save(stream, &saved);
    ParameterId restored;
    std::uint32_t read = 0;
    ASSERT_TRUE(restored.restore(stream, &read));
    EXPECT_EQ(ParameterId(0xF8, 0x80), restored);
    EXPECT_EQ(saved, read);
}

TEST(ParameterId, RestoreAtTheEndIsAnOrderlyEnd)
{
    std::istringstream stream("");
    ParameterId id('B', 1);
    std::uint32_t checksum = 7;
    EXPECT_FALSE(id.restore(stream, &checksum));
    EXPECT_EQ(7u, checksum);
    EXPECT_EQ(ParameterId('B', 1), id);
}

TEST(ParameterId, RestoreOfHalfAnIdAddsTheByteAndThrows)
{
    std::istringstream stream(std::string("\xFF", 1));
    ParameterId id;
    std::uint32_t checksum = 7;
    try
    {
        id.restore(stream, &checksum);
        FAIL() << "no exception";
    }
    catch (const VornaException& e)
    {
        EXPECT_STREQ("Error restoring a parameter id", e.what());
    }
    EXPECT_EQ(6u, checksum);
}
}
