#include "Toolkit/Parameter/BcdTextConverter.h"
#include "Toolkit/Parameter/HexTextConverter.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"
#include "Toolkit/Parameter/StringTextConverter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
struct ParseCase
{
    std::shared_ptr<TextConverter> converter;
    std::string text;
    bool parses;
    ParameterValue value; // the result; on failure the untouched prior value
};

class TextConverterParse : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(TextConverterParse, ParsesOrLeavesTheResultAlone)
{
    const ParseCase& c = GetParam();
    ParameterValue result(std::string("prior"));
    EXPECT_EQ(c.parses, c.converter->parse(result, c.text));
    EXPECT_EQ(c.parses ? c.value : ParameterValue(std::string("prior")), result);
}

const auto theInteger = std::make_shared<IntegerTextConverter>(3);
const auto theHex = std::make_shared<HexTextConverter>(4);
const auto theBcd = std::make_shared<BcdTextConverter>(2);
const auto thePlain = std::make_shared<PlainTextConverter>();

INSTANTIATE_TEST_SUITE_P(
    Cases, TextConverterParse,
    ::testing::Values(ParseCase{theInteger, "12abc", true, ParameterValue(12)},
                      ParseCase{theInteger, "  -31", true, ParameterValue(-31)},
                      ParseCase{theInteger, "", false, ParameterValue()},
                      ParseCase{theInteger, "40000", false, ParameterValue()},
                      ParseCase{theInteger, "abc", false, ParameterValue()},
                      ParseCase{theHex, "8280", true, ParameterValue(0x8280)},
                      ParseCase{theHex, "fFfF", true, ParameterValue(0xFFFF)},
                      ParseCase{theHex, "xyz", false, ParameterValue()},
                      ParseCase{theBcd, "23", true, ParameterValue(0x23)},
                      ParseCase{theBcd, "7", true, ParameterValue(0x07)},
                      ParseCase{theBcd, "-5", true, ParameterValue(0xFB)},
                      ParseCase{theBcd, "", false, ParameterValue()},
                      ParseCase{thePlain, "Studio A", true, ParameterValue(std::string("Studio A"))},
                      ParseCase{thePlain, "", true, ParameterValue(std::string())}));

struct FormatCase
{
    std::shared_ptr<TextConverter> converter;
    ParameterValue value;
    std::string text;
};

class TextConverterFormat : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(TextConverterFormat, FormatsTheValue)
{
    const FormatCase& c = GetParam();
    std::string result("prior");
    c.converter->format(result, c.value);
    EXPECT_EQ(c.text, result);
    EXPECT_EQ(c.text, c.converter->format(c.value));
}

INSTANTIATE_TEST_SUITE_P(Cases, TextConverterFormat,
                         ::testing::Values(FormatCase{theInteger, ParameterValue(7), "007"},
                                           FormatCase{theInteger, ParameterValue(-5), "0-5"},
                                           FormatCase{theInteger, ParameterValue(12345), "12345"},
                                           FormatCase{theHex, ParameterValue(0x00A5), "00a5"},
                                           FormatCase{theHex, ParameterValue(0x8280), "8280"},
                                           FormatCase{theHex, ParameterValue(-1), "ffff"},
                                           FormatCase{theBcd, ParameterValue(0x07), "07"},
                                           FormatCase{theBcd, ParameterValue(0x23), "23"},
                                           FormatCase{thePlain, ParameterValue(std::string("KQ330")), "KQ330"}));

TEST(TextConverter, BcdRoundTripsTwoDigits)
{
    const BcdTextConverter converter(2);
    for (int n = 0; n < 100; ++n)
    {
        ParameterValue value;
        ASSERT_TRUE(converter.parse(value, std::to_string(n)));
        EXPECT_EQ((n < 10 ? "0" : "") + std::to_string(n), converter.format(value));
    }
}

TEST(TextConverter, TheOtherArgumentOrderParsesTheSame)
{
    ParameterValue result;
    EXPECT_TRUE(theInteger->parse(std::string("42"), result));
    EXPECT_EQ(ParameterValue(42), result);
}
}
