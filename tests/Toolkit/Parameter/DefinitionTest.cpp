#include "Toolkit/Parameter/BcdDefinition.h"
#include "Toolkit/Parameter/EnumeratedDefinition.h"
#include "Toolkit/Parameter/NumericDefinition.h"
#include "Toolkit/Parameter/TextDefinition.h"
#include "Toolkit/Parameter/TwoStateDefinition.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{
ParameterValue bytes(std::vector<unsigned char> aBytes)
{
    return ParameterValue(ByteString(aBytes.begin(), aBytes.end()));
}

std::string format(const ParameterDefinition& aDefinition, const ParameterValue& aValue)
{
    std::ostringstream stream;
    EXPECT_TRUE(aDefinition.formatValue(stream, aValue));
    return stream.str();
}

struct FormatCase
{
    std::shared_ptr<ParameterDefinition> definition;
    ParameterValue value;
    std::string text;
};

std::shared_ptr<ParameterDefinition> codingMode()
{
    auto definition = std::make_shared<EnumeratedDefinition>("Coding Mode");
    (*definition)[ParameterValue(0)] = "1+1";
    (*definition)[ParameterValue(1)] = "1/0";
    (*definition)[ParameterValue(3)] = "3/0";
    (*definition)[bytes({0x03})] = "3/0 (replaced)";
    (*definition)[ParameterValue(5)] = "";
    return definition;
}

class DefinitionFormat : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(DefinitionFormat, WritesTheValueText)
{
    EXPECT_EQ(GetParam().text, format(*GetParam().definition, GetParam().value));
}

const auto theEnumerated = codingMode();
const auto theNumeric = std::make_shared<NumericDefinition>("Level");
const auto theTwoState = std::make_shared<TwoStateDefinition>("Output Time Code", "Not Included", "Included");
const auto theBcd = std::make_shared<BcdDefinition>("Frame");
const auto theText = std::make_shared<TextDefinition>("Name");

INSTANTIATE_TEST_SUITE_P(
    Cases, DefinitionFormat,
    ::testing::Values(FormatCase{theEnumerated, ParameterValue(1), "1/0"},
                      FormatCase{theEnumerated, ParameterValue(3), "3/0 (replaced)"},
                      FormatCase{theEnumerated, ParameterValue(2), "2"},
                      FormatCase{theEnumerated, ParameterValue(-3), "-3"},
                      FormatCase{theEnumerated, ParameterValue(17), "17"},
                      FormatCase{theEnumerated, ParameterValue(5), ""},
                      FormatCase{theEnumerated, bytes({0x07, 0x00, 0x01}), "1/0"},
                      FormatCase{theNumeric, bytes({0xFF, 0xFF}), "-1"},
                      FormatCase{theNumeric, ParameterValue(-32768), "-32768"},
                      FormatCase{theTwoState, ParameterValue(1), "Included"},
                      FormatCase{theTwoState, ParameterValue(-1), "Included"},
                      FormatCase{theTwoState, ParameterValue(0), "Not Included"},
                      FormatCase{theBcd, ParameterValue(0x45), "45"},
                      FormatCase{theBcd, ParameterValue(0x09), "9"},
                      FormatCase{theBcd, ParameterValue(0xAB), "111"},
                      FormatCase{theBcd, ParameterValue(0x1299), "99"},
                      FormatCase{theText, ParameterValue(std::string("KQ350")), "KQ350"},
                      FormatCase{theText, ParameterValue(std::string("1.0\0junk", 8)), "1.0"}));

TEST(ParameterDefinition, FormatNameWritesTheNameAndReportsTheStream)
{
    std::ostringstream named;
    EXPECT_TRUE(NumericDefinition("Level").formatName(named));
    EXPECT_EQ("Level", named.str());

    std::ostringstream unnamed;
    EXPECT_TRUE(NumericDefinition("").formatName(unnamed));
    EXPECT_EQ("", unnamed.str());

    std::ostringstream failed;
    failed.setstate(std::ios::failbit);
    EXPECT_FALSE(NumericDefinition("Level").formatName(failed));
    EXPECT_FALSE(theTwoState->formatValue(failed, ParameterValue(0)));
}
}
