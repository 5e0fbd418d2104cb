#include "Models/Unit/AuxiliaryDataInputDefinition.h"
#include "Models/Unit/ChannelPairModeDefinition.h"
#include "Models/Unit/ClockSourceDefinition.h"
#include "Models/Unit/CodingDelayDefinition.h"
#include "Models/Unit/InputFormatDefinition.h"
#include "Models/Unit/RecallPresetPendingDefinition.h"
#include "Models/Unit/TestToneModeDefinition.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

namespace
{
struct DefinitionCase
{
    const char* name;
    std::function<std::unique_ptr<ParameterDefinition>()> make;
    int value;
    const char* text;
};

template <typename Definition>
std::function<std::unique_ptr<ParameterDefinition>()> maker()
{
    return [] { return std::make_unique<Definition>(); };
}

class UnitDefinitionTest : public ::testing::TestWithParam<DefinitionCase>
{
};
}

TEST_P(UnitDefinitionTest, FormatsNameAndValue)
{
    const DefinitionCase& each = GetParam();
    const std::unique_ptr<ParameterDefinition> definition = each.make();
    std::ostringstream name;
    std::ostringstream value;
    ASSERT_TRUE(definition->formatName(name));
    ASSERT_TRUE(definition->formatValue(value, ParameterValue(each.value)));
    EXPECT_EQ(each.name, name.str());
    EXPECT_EQ(each.text, value.str());
}

INSTANTIATE_TEST_SUITE_P(
    UnitRows, UnitDefinitionTest,
    ::testing::Values(
        DefinitionCase{"Coding Delay", maker<CodingDelayDefinition>(), -1, "External/Automatic"},
        DefinitionCase{"Coding Delay", maker<CodingDelayDefinition>(), 0, "0"},
        DefinitionCase{"Coding Delay", maker<CodingDelayDefinition>(), 450, "450"},
        DefinitionCase{"Coding Delay", maker<CodingDelayDefinition>(), -2, "-2"},
        DefinitionCase{"Recall Preset Pending", maker<RecallPresetPendingDefinition>(), 0, "None"},
        DefinitionCase{"Recall Preset Pending", maker<RecallPresetPendingDefinition>(), 7, "7"},
        DefinitionCase{"Clock Source", maker<ClockSourceDefinition>(), 1, "Reference Input--Sample Rate Conversion Off"},
        DefinitionCase{"Clock Source", maker<ClockSourceDefinition>(), 5, "Internal 32 kHz"},
        DefinitionCase{"Clock Source", maker<ClockSourceDefinition>(), 6, "6"},
        DefinitionCase{"Input Format", maker<InputFormatDefinition>(), 2, "Autodetect"},
        DefinitionCase{"Auxiliary Data Input", maker<AuxiliaryDataInputDefinition>(), 3, "9600 bps"},
        DefinitionCase{"Test Tone Mode", maker<TestToneModeDefinition>(), 1, "-20 dBFS"},
        DefinitionCase{"Test Tone Mode", maker<TestToneModeDefinition>(), 3, "Silence"},
        DefinitionCase{"Bit Stream Mode", maker<ChannelPairModeDefinition>(), 0, "Mode 1: L/R,  Ls/Rs, C/LFE"},
        DefinitionCase{"Bit Stream Mode", maker<ChannelPairModeDefinition>(), 2, "Mode 3: L/Ls, C/Rs,  R/LFE"},
        DefinitionCase{"Bit Stream Mode", maker<ChannelPairModeDefinition>(), 5, "Mode 6: C/L,  R/Ls,  Rs/LFE"}));

TEST(UnitDefinitionStreamTest, FailingStreamIsReported)
{
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    EXPECT_FALSE(CodingDelayDefinition().formatValue(broken, ParameterValue(-1)));
    EXPECT_FALSE(RecallPresetPendingDefinition().formatValue(broken, ParameterValue(3)));
}
