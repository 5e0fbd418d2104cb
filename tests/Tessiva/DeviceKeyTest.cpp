#include "Tessiva/DeviceKey.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string textOf(const DeviceKey& aKey)
{
    std::ostringstream stream;
    stream << aKey;
    return stream.str();
}
}

TEST(DeviceKeyTest, OrdersByPortThenAddress)
{
    struct Case
    {
        DeviceKey lower;
        DeviceKey higher;
    };
    const std::vector<Case> cases = {
        {DeviceKey(1, 0x8282), DeviceKey(2, 0x8280)}, // the port decides first
        {DeviceKey(0, 5), DeviceKey(1, 0)},            // off line before every on-line key
        {DeviceKey(0, 5), DeviceKey(0, 6)},
        {DeviceKey(3, 0x8280), DeviceKey(3, 0x9080)},
        {DeviceKey(0, 0x7FFFFFFF), DeviceKey(0, 0x80000000u)}, // unsigned, not signed
        {DeviceKey(2, 0xFFFFFFFFu), DeviceKey(3, 0)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(textOf(c.lower) + " < " + textOf(c.higher));
        EXPECT_TRUE(c.lower < c.higher);
        EXPECT_FALSE(c.higher < c.lower);
        EXPECT_FALSE(c.lower == c.higher);
    }
    EXPECT_FALSE(DeviceKey(2, 0x8280) < DeviceKey(2, 0x8280));
}

TEST(DeviceKeyTest, EqualOnlyWhenBothFieldsAre)
{
    EXPECT_TRUE(DeviceKey(1, 0x8280) == DeviceKey(1, 0x8280));
    EXPECT_FALSE(DeviceKey(1, 0x8280) == DeviceKey(2, 0x8280));
    EXPECT_FALSE(DeviceKey(1, 0x8280) == DeviceKey(1, 0x8282));
    DeviceKey copy(0, 0);
    copy = DeviceKey(4, 0x9080);
    EXPECT_EQ(4u, copy.port());
    EXPECT_EQ(0x9080u, copy.address());
}

TEST(DeviceKeyTest, KeysAMapInKeyOrder)
{
    std::map<DeviceKey, int> keys = {{DeviceKey(2, 0x8280), 3}, {DeviceKey(0, 1), 1}, {DeviceKey(1, 0x9080), 2},
                                     {DeviceKey(0, 0), 0}};
    int expected = 0;
    for (const auto& entry : keys)
    {
        EXPECT_EQ(expected++, entry.second);
    }
}

TEST(DeviceKeyTest, WritesThePortDescription)
{
    const std::vector<std::pair<DeviceKey, std::string>> cases = {
        {DeviceKey(0, 0), "(Offline 0)"},
        {DeviceKey(0, 12), "(Offline 12)"},
        {DeviceKey(1, 0x8280), "(COM1, 8280)"},
        {DeviceKey(3, 0x9080), "(COM3, 9080)"},
        {DeviceKey(10, 0xFFFE), "(COM10, fffe)"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.second, textOf(c.first));
    }
}

TEST(DeviceKeyTest, PortAndCounterFollowTheStreamsBase)
{
    std::ostringstream stream;
    stream << std::hex << DeviceKey(10, 0x8280) << " " << DeviceKey(0, 26);
    EXPECT_EQ("(COMa, 8280) (Offline 1a)", stream.str());
}

TEST(DeviceKeyTest, AnOnLineKeyLeavesTheStreamInHexadecimal)
{
    std::ostringstream decimal;
    decimal << DeviceKey(1, 0x8280) << " " << 26;
    EXPECT_EQ("(COM1, 8280) 1a", decimal.str());

    std::ostringstream octal;
    octal << std::oct << DeviceKey(2, 0x9080) << " " << 8;
    EXPECT_EQ("(COM2, 9080) 8", octal.str());

    // An off-line key writes its counter in the stream's base and changes nothing.
    std::ostringstream offLine;
    offLine << DeviceKey(0, 12) << " " << 26;
    EXPECT_EQ("(Offline 12) 26", offLine.str());
}
