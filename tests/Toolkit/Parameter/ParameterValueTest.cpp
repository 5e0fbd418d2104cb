#include "Toolkit/Parameter/ParameterValue.h"

#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace
{
ParameterValue bytes(std::vector<unsigned char> aBytes)
{
    return ParameterValue(ByteString(aBytes.begin(), aBytes.end()));
}

std::string restoreMessage(std::istream& aStream, ParameterValue& aValue, std::uint32_t& aChecksum)
{
    try
    {
        aValue.restore(aStream, &aChecksum);
    }
    catch (const VornaException& e)
    {
        return e.what();
    }
    return "no exception";
}

TEST(ParameterValue, IntegerIsTwoBytesMostSignificantFirst)
{
    EXPECT_EQ(bytes({0x01, 0x2C}), ParameterValue(300));
    EXPECT_EQ(bytes({0xFF, 0xFF}), ParameterValue(-1));
    EXPECT_EQ(bytes({0x00, 0x00}), ParameterValue(65536));
    EXPECT_EQ(bytes({0x7F, 0xFF}), ParameterValue::maximum());
    EXPECT_EQ(bytes({0x80, 0x00}), ParameterValue::minimum());
}

struct IntegerViewCase
{
    std::vector<unsigned char> value;
    std::int16_t asShort;
    std::uint16_t asUnsignedShort;
};

class ParameterValueIntegerView : public ::testing::TestWithParam<IntegerViewCase>
{
};

TEST_P(ParameterValueIntegerView, FoldsTheLastTwoBytes)
{
    const IntegerViewCase& c = GetParam();
    EXPECT_EQ(c.asShort, bytes(c.value).toShort());
    EXPECT_EQ(c.asUnsignedShort, bytes(c.value).toUnsignedShort());
}

INSTANTIATE_TEST_SUITE_P(Cases, ParameterValueIntegerView,
                         ::testing::Values(IntegerViewCase{{}, 0, 0}, IntegerViewCase{{0xFF}, 255, 255},
                                           IntegerViewCase{{0xFF, 0xFF}, -1, 65535},
                                           IntegerViewCase{{0x01, 0x02, 0x03}, 0x0203, 0x0203},
                                           IntegerViewCase{{0x80, 0x00}, -32768, 0x8000},
                                           IntegerViewCase{{'1', '.', '0', '3'}, 12339, 12339}));

TEST(ParameterValue, TextKeepsAllItsCharacters)
{
    const std::string text("a\0b", 3);
    const ParameterValue value(text);
    EXPECT_EQ(3u, value.size());
    EXPECT_EQ(text, value.toString());
    EXPECT_NE(ParameterValue(std::string("ab")), ParameterValue(std::string("abc")));
}

TEST(ParameterValue, MessageFormCarriesALengthExceptForTwoBytes)
{
    ByteString message;
    ParameterValue(300).appendTo(&message);
    ParameterValue(std::string("1.03")).appendTo(&message);
    ParameterValue().appendTo(&message);
    bytes({0x07}).appendTo(&message);
    const unsigned char expected[] = {0x01, 0x2C, 0x04, '1', '.', '0', '3', 0x00, 0x01, 0x07};
    EXPECT_EQ(ByteString(expected, sizeof expected), message);
}

TEST(ParameterValue, SaveWritesTheRecordOfTheExample)
{
    std::ostringstream stream;
    std::uint32_t checksum = 0;
    ParameterValue(300).save(stream, &checksum);
    EXPECT_EQ(std::string("\x02\x00\x00\x00\x01\x2C", 6), stream.str());
    EXPECT_EQ(2u + 1u + 44u, checksum);
}

TEST(ParameterValue, SaveAddsValueBytesAsSignedBytes)
{
    std::ostringstream stream;
    std::uint32_t checksum = 100;
    bytes({0xC8}).save(stream, &checksum);
    EXPECT_EQ(100u + 1u - 56u, checksum);
}

TEST(ParameterValue, SaveToAFailedStreamThrows)
{
    std::ostringstream stream;
    stream.setstate(std::ios::failbit);
    std::uint32_t checksum = 0;
    try
    {
        ParameterValue(1).save(stream, &checksum);
        FAIL() << "no exception";
    }
    catch (const VornaException& e)
    {
        EXPECT_STREQ("Error saving a parameter value.", e.what());
    }
}

TEST(ParameterValue, SaveAndRestoreRoundTripWithTheSameChecksum)
{
    const std::vector<ParameterValue> values = {ParameterValue(), ParameterValue(-2), bytes({0x80, 0xFF, 0x00}),
                                                ParameterValue(std::string(300, '\xE9'))};
    for (const ParameterValue& value : values)
    {
        std::stringstream stream;
        std::uint32_t saved = 5;
        value.save(stream, &saved);
        ParameterValue restored(std::string("old"));
        std::uint32_t read = 5;
        EXPECT_TRUE(restored.restore(stream, &read));
        EXPECT_EQ(value, restored);
        EXPECT_EQ(saved, read);
    }
}

TEST(ParameterValue, RestoreOfAShortValueKeepsWhatArrivedAndThrows)
{
    std::istringstream stream(std::string("\x05\x00\x00\x00\x01\x02\xFF", 7));
    ParameterValue value;
    std::uint32_t checksum = 0;
    EXPECT_EQ("Error restoring a parameter value.", restoreMessage(stream, value, checksum));
    EXPECT_EQ(bytes({0x01, 0x02, 0xFF}), value);
    EXPECT_EQ(5u + 1u + 2u - 1u, checksum);
}

TEST(ParameterValue, RestoreWithoutALengthThrows)
{
    for (const std::string& data : {std::string(), std::string("\x01\x00\x00", 3)})
    {
        std::istringstream stream(data);
        ParameterValue value(7);
        std::uint32_t checksum = 3;
        EXPECT_EQ("Error restoring a parameter value.", restoreMessage(stream, value, checksum));
        EXPECT_TRUE(value.empty());
        EXPECT_EQ(3u, checksum);
    }
}

TEST(ParameterValue, RestoreDoesNotTrustAHugeLength)
{
    // A length of 0xFFFFFFFF in a 30-byte stream: fails at once, keeping the 26 bytes there.
    std::string data("\xFF\xFF\xFF\xFF", 4);
    data += std::string(26, 'x');
    std::istringstream stream(data);
    ParameterValue value;
    std::uint32_t checksum = 0;
    EXPECT_EQ("Error restoring a parameter value.", restoreMessage(stream, value, checksum));
    EXPECT_EQ(26u, value.size());
    EXPECT_LT(value.capacity(), 4096u);
}

TEST(ParameterValue, RestoreBytesStopsAtTheCount)
{
    std::istringstream stream("abcdef");
    ParameterValue value;
    std::uint32_t checksum = 0;
    EXPECT_TRUE(value.restoreBytes(stream, 4, &checksum));
    EXPECT_EQ(ParameterValue(std::string("abcd")), value);
    EXPECT_EQ(static_cast<std::uint32_t>('a' + 'b' + 'c' + 'd'), checksum);
    EXPECT_EQ('e', stream.get());
}
}
