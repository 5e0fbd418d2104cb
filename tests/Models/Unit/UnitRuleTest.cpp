// Each unit rule on its own, over a bench of just the parameters that the
// rules read and change, all with the widest limits: a case sets the values,
// creates the rule (which applies itself once) and checks its targets.

#include "Models/Unit/AuxiliaryDataRule.h"
#include "Models/Unit/ClockLockRule.h"
#include "Models/Unit/ClockSourceRule.h"
#include "Models/Unit/InputFormatEncoderStateRule.h"
#include "Models/Unit/InputFormatLimitRule.h"
#include "Models/Unit/InputSourceLimitRule.h"
#include "Models/Unit/MultiplexAvailabilityRule.h"
#include "Models/Unit/MultiplexOutputModeRule.h"
#include "Models/Unit/OutputModeLimitRule.h"
#include "Models/Unit/PresetEncoderStateRule.h"
#include "Models/Unit/ReferenceLockRule.h"
#include "Models/Unit/UnitCodingModeRule.h"
#include "Models/Unit/UnitDataRateRule.h"
#include "Toolkit/Parameter/ControlCollection.h"
#include "Toolkit/Parameter/ParameterValueStore.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/StatusCollection.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
const char* const inconsistent = "The device appears to be in an inconsistent state.  ";

class RuleBench
{
public:
    RuleBench()
        : myProtocol(&myStore)
    {
        const char* const controls[] = {"B1", "B2", "B3", "B4", "E0", "E2", "E3", "E4", "E5", "E6", "H6",
                                        "O1", "a0", "a2", "a3", "a4", "a5", "a6", "a9", "a15", "o0", "o1"};
        for (const char* id : controls)
        {
            myControls.add(ControlParameter(&myProtocol, parse(id), ParameterValue::minimum(),
                                            ParameterValue::maximum()));
        }
        const char* const statuses[] = {"@1", "b0", "b1", "b2", "b3", "b4", "b5", "b8", "I0", "o2"};
        for (const char* id : statuses)
        {
            myStatuses.add(Parameter(&myProtocol, parse(id), ParameterValue::minimum(), ParameterValue::maximum()));
        }
        // Every value starts at 0, within the widest limits.
        for (const char* id : controls)
        {
            preset(id, 0);
        }
        for (const char* id : statuses)
        {
            preset(id, 0);
        }
    }

    // "a15" is 'a' 15.
    static ParameterId parse(const std::string& anId) { return ParameterId(anId[0], std::stoi(anId.substr(1))); }

    Parameter& parameter(const std::string& anId)
    {
        const ParameterId id = parse(anId);
        if (myControls.parameters().count(id) != 0)
        {
            return myControls.find(id);
        }
        return myStatuses.find(id);
    }

    ControlParameter& control(const std::string& anId) { return myControls.find(parse(anId)); }

    // Before the rule exists: no notification is needed.
    void preset(const std::string& anId, int aValue)
    {
        ParameterValueMap values;
        values[parse(anId)] = ParameterValue(aValue);
        parameter(anId).update(values);
    }

    // A change that the rule hears of.
    void change(const std::string& anId, int aValue)
    {
        Parameter& target = parameter(anId);
        if (myControls.parameters().count(parse(anId)) != 0)
        {
            myControls.find(parse(anId)).write(ParameterValue(aValue));
        }
        else
        {
            ParameterValueMap values;
            values[parse(anId)] = ParameterValue(aValue);
            target.update(values);
        }
    }

    StatusCollection* statuses() { return &myStatuses; }
    ControlCollection* controls() { return &myControls; }

private:
    ParameterValueStore myStore;
    Protocol myProtocol;
    ControlCollection myControls;
    StatusCollection myStatuses;
};

using RuleMaker = std::function<std::unique_ptr<Observer>(RuleBench&)>;

template <typename Rule>
RuleMaker watching(const char* anId)
{
    return [anId](RuleBench& aBench) {
        return std::make_unique<Rule>(RuleBench::parse(anId), aBench.statuses(), aBench.controls());
    };
}

template <typename Rule>
RuleMaker fixed()
{
    return [](RuleBench& aBench) { return std::make_unique<Rule>(aBench.statuses(), aBench.controls()); };
}

// A clock lock rule, told of a change by the parameter aNotifier.
RuleMaker clockLock(const char* aNotifier)
{
    return [aNotifier](RuleBench& aBench) {
        return std::make_unique<ClockLockRule>(&aBench.parameter(aNotifier), aBench.statuses(), aBench.controls());
    };
}

RuleMaker clockSource(std::uint16_t aLongDelay, std::uint16_t aShortDelay)
{
    return [aLongDelay, aShortDelay](RuleBench& aBench) {
        return std::make_unique<ClockSourceRule>(RuleBench::parse("a5"), aBench.statuses(), aBench.controls(),
                                                 aLongDelay, aShortDelay);
    };
}

enum Attribute
{
    minimum,
    maximum,
    available,
    value
};

struct Setting
{
    const char* id;
    int value;
};

struct Check
{
    const char* id;
    Attribute attribute;
    int expected;
};

struct RuleCase
{
    const char* title;
    RuleMaker make;
    std::vector<Setting> settings;
    std::vector<Check> checks;
    const char* error; // the start of the message the rule throws, or empty
};

std::ostream& operator<<(std::ostream& aStream, const RuleCase& aCase)
{
    return aStream << aCase.title;
}

int attributeOf(const Parameter& aParameter, Attribute anAttribute)
{
    switch (anAttribute)
    {
    case minimum:
        return aParameter.minimum().toShort();
    case maximum:
        return aParameter.maximum().toShort();
    case available:
        return aParameter.available() ? 1 : 0;
    case value:
        break;
    }
    return aParameter.value().toShort();
}

const int wideMinimum = -32768;
const int wideMaximum = 32767;

class UnitRuleTest : public ::testing::TestWithParam<RuleCase>
{
};
}

TEST_P(UnitRuleTest, AppliesItselfWhenCreated)
{
    const RuleCase& each = GetParam();
    RuleBench bench;
    for (const Setting& setting : each.settings)
    {
        bench.preset(setting.id, setting.value);
    }
    std::unique_ptr<Observer> rule;
    if (std::string(each.error).empty())
    {
        rule = each.make(bench);
    }
    else
    {
        try
        {
            rule = each.make(bench);
            ADD_FAILURE() << "no error";
        }
        catch (const VornaException& anError)
        {
            EXPECT_EQ(0u, std::string(anError.what()).find(each.error)) << anError.what();
        }
    }
    for (const Check& check : each.checks)
    {
        EXPECT_EQ(check.expected, attributeOf(bench.parameter(check.id), check.attribute))
            << check.id << " attribute " << check.attribute;
    }
}

// Data rate index, auxiliary data, LFE, bit stream mode and capability bound
// the audio coding mode.
INSTANTIATE_TEST_SUITE_P(
    DataRate, UnitRuleTest,
    ::testing::Values(
        RuleCase{"80 kbps: centre only, whatever else", watching<UnitDataRateRule>("B1"),
                 {{"B1", 5}, {"a6", 3}, {"B4", 1}, {"B2", 7}, {"@1", 1}, {"B3", 1}},
                 {{"B3", minimum, 1}, {"B3", maximum, 1}}, ""},
        RuleCase{"32 kbps with auxiliary data outside its range", watching<UnitDataRateRule>("a6"),
                 {{"B1", 0}, {"a6", 9}, {"B3", 1}}, {{"B3", minimum, 1}, {"B3", maximum, 1}}, ""},
        RuleCase{"96 kbps, no auxiliary data", watching<UnitDataRateRule>("B4"),
                 {{"B1", 6}, {"a6", 0}, {"@1", 1}, {"B3", 1}}, {{"B3", minimum, 1}, {"B3", maximum, 2}}, ""},
        RuleCase{"112 kbps, 1200 bps, karaoke", watching<UnitDataRateRule>("B2"),
                 {{"B1", 7}, {"a6", 1}, {"B2", 7}, {"B3", 1}}, {{"B3", minimum, 1}, {"B3", maximum, 2}}, ""},
        RuleCase{"112 kbps, 1200 bps, complete main", watching<UnitDataRateRule>("B2"),
                 {{"B1", 7}, {"a6", 1}, {"B2", 0}, {"B3", 1}}, {{"B3", minimum, 0}, {"B3", maximum, 2}}, ""},
        RuleCase{"112 kbps, 2400 bps: no dual mono", watching<UnitDataRateRule>("B1"),
                 {{"B1", 7}, {"a6", 2}, {"B3", 1}}, {{"B3", minimum, 1}, {"B3", maximum, 1}}, ""},
        RuleCase{"160 kbps, 9600 bps", watching<UnitDataRateRule>("B1"),
                 {{"B1", 9}, {"a6", 3}, {"@1", 1}, {"B3", 1}}, {{"B3", minimum, 1}, {"B3", maximum, 1}}, ""},
        RuleCase{"128 kbps, LFE on", watching<UnitDataRateRule>("B1"),
                 {{"B1", 8}, {"a6", 0}, {"B4", 1}, {"@1", 1}, {"B3", 3}}, {{"B3", minimum, 3}, {"B3", maximum, 4}},
                 ""},
        RuleCase{"192 kbps, capable", watching<UnitDataRateRule>("B1"),
                 {{"B1", 10}, {"a6", 0}, {"@1", 1}, {"B3", 2}}, {{"B3", minimum, 0}, {"B3", maximum, 6}}, ""},
        RuleCase{"192 kbps, two-channel unit", watching<UnitDataRateRule>("B1"),
                 {{"B1", 10}, {"a6", 0}, {"@1", 0}, {"B3", 2}}, {{"B3", minimum, 0}, {"B3", maximum, 2}}, ""},
        RuleCase{"224 kbps, 2400 bps", watching<UnitDataRateRule>("B1"),
                 {{"B1", 11}, {"a6", 2}, {"@1", 1}, {"B3", 2}}, {{"B3", minimum, 0}, {"B3", maximum, 4}}, ""},
        RuleCase{"256 kbps, 9600 bps", watching<UnitDataRateRule>("B1"),
                 {{"B1", 12}, {"a6", 3}, {"@1", 1}, {"B3", 2}}, {{"B3", minimum, 0}, {"B3", maximum, 4}}, ""},
        RuleCase{"320 kbps, 9600 bps, capable", watching<UnitDataRateRule>("B1"),
                 {{"B1", 13}, {"a6", 3}, {"@1", 1}, {"B3", 2}}, {{"B3", minimum, 0}, {"B3", maximum, 4}}, ""},
        RuleCase{"320 kbps, 9600 bps, two-channel", watching<UnitDataRateRule>("B1"),
                 {{"B1", 13}, {"a6", 3}, {"@1", 0}, {"B3", 2}}, {{"B3", minimum, 0}, {"B3", maximum, 2}}, ""},
        RuleCase{"384 kbps, 9600 bps", watching<UnitDataRateRule>("B1"),
                 {{"B1", 14}, {"a6", 3}, {"@1", 1}, {"B3", 2}}, {{"B3", minimum, 0}, {"B3", maximum, 6}}, ""},
        RuleCase{"448 kbps, auxiliary data outside its range", watching<UnitDataRateRule>("B1"),
                 {{"B1", 15}, {"a6", 7}, {"@1", 1}, {"B3", 2}}, {{"B3", minimum, 0}, {"B3", maximum, 7}}, ""},
        RuleCase{"640 kbps, LFE and karaoke", watching<UnitDataRateRule>("B1"),
                 {{"B1", 18}, {"a6", 0}, {"B4", 1}, {"B2", 7}, {"@1", 1}, {"B3", 7}},
                 {{"B3", minimum, 3}, {"B3", maximum, 7}}, ""},
        RuleCase{"192 kbps with auxiliary data 5 changes nothing", watching<UnitDataRateRule>("B1"),
                 {{"B1", 10}, {"a6", 5}, {"B3", 2}}, {{"B3", minimum, wideMinimum}, {"B3", maximum, wideMaximum}},
                 ""},
        RuleCase{"data rate 19 from a unit", watching<UnitDataRateRule>("B1"), {{"B1", 19}, {"B3", 2}},
                 {{"B3", minimum, wideMinimum}, {"B3", maximum, wideMaximum}}, "Invalid data rate of 19"},
        RuleCase{"data rate -1 from a unit", watching<UnitDataRateRule>("B1"), {{"B1", -1}, {"B3", 2}}, {},
                 "Invalid data rate of -1"},
        RuleCase{"96 kbps with LFE on leaves no mode", watching<UnitDataRateRule>("B4"),
                 {{"B1", 6}, {"a6", 0}, {"B4", 1}, {"B3", 2}},
                 {{"B3", minimum, wideMinimum}, {"B3", maximum, wideMaximum}}, inconsistent}));

// Audio coding mode and auxiliary data bound the data rate from below; a
// 16-bit output on the internal 32 kHz clock from above.
INSTANTIATE_TEST_SUITE_P(
    CodingMode, UnitRuleTest,
    ::testing::Values(
        RuleCase{"3/2 with 9600 bps", watching<UnitCodingModeRule>("B3"), {{"B3", 7}, {"a6", 3}, {"B1", 15}},
                 {{"B1", minimum, 15}, {"B1", maximum, 18}}, ""},
        RuleCase{"1/0 without auxiliary data", watching<UnitCodingModeRule>("B3"), {{"B3", 1}, {"a6", 0}, {"B1", 15}},
                 {{"B1", minimum, 3}}, ""},
        RuleCase{"1+1 with 2400 bps", watching<UnitCodingModeRule>("a6"), {{"B3", 0}, {"a6", 2}, {"B1", 15}},
                 {{"B1", minimum, 8}}, ""},
        RuleCase{"2/1 with 1200 bps", watching<UnitCodingModeRule>("a6"), {{"B3", 4}, {"a6", 1}, {"B1", 15}},
                 {{"B1", minimum, 8}}, ""},
        RuleCase{"2/2 with 9600 bps", watching<UnitCodingModeRule>("a6"), {{"B3", 6}, {"a6", 3}, {"B1", 15}},
                 {{"B1", minimum, 14}}, ""},
        RuleCase{"16-bit output on the internal 32 kHz clock", watching<UnitCodingModeRule>("H6"),
                 {{"H6", 2}, {"a2", 5}, {"B3", 2}, {"B1", 10}}, {{"B1", maximum, 14}, {"B1", minimum, 6}}, ""},
        RuleCase{"32-bit output on the internal 32 kHz clock", watching<UnitCodingModeRule>("a2"),
                 {{"H6", 1}, {"a2", 5}, {"B3", 2}, {"B1", 10}}, {{"B1", maximum, 18}}, ""},
        RuleCase{"16-bit output on the internal 44.1 kHz clock", watching<UnitCodingModeRule>("a2"),
                 {{"H6", 3}, {"a2", 4}, {"B3", 2}, {"B1", 10}}, {{"B1", maximum, 18}}, ""},
        RuleCase{"auxiliary data outside its range sets the maximum only", watching<UnitCodingModeRule>("a6"),
                 {{"H6", 2}, {"a2", 5}, {"B3", 2}, {"a6", 4}, {"B1", 10}},
                 {{"B1", maximum, 14}, {"B1", minimum, wideMinimum}}, ""},
        RuleCase{"coding mode 8 from a unit", watching<UnitCodingModeRule>("B3"), {{"B3", 8}, {"B1", 10}},
                 {{"B1", maximum, 18}, {"B1", minimum, wideMinimum}}, "Invalid audio coding mode."},
        RuleCase{"a 448 kbps unit cannot take the 384 kbps ceiling", watching<UnitCodingModeRule>("H6"),
                 {{"H6", 2}, {"a2", 5}, {"B3", 2}, {"B1", 15}}, {{"B1", maximum, wideMaximum}}, inconsistent}));

// Audio coding mode and data rate bound the auxiliary data; it needs PCM input.
INSTANTIATE_TEST_SUITE_P(
    AuxiliaryData, UnitRuleTest,
    ::testing::Values(
        RuleCase{"1+1 at 96 kbps", watching<AuxiliaryDataRule>("B1"), {{"B3", 0}, {"B1", 6}},
                 {{"a6", maximum, 0}, {"a6", available, 1}}, ""},
        RuleCase{"1+1 at 112 kbps", watching<AuxiliaryDataRule>("B1"), {{"B3", 0}, {"B1", 7}}, {{"a6", maximum, 1}},
                 ""},
        RuleCase{"1+1 at 128 kbps", watching<AuxiliaryDataRule>("B1"), {{"B3", 0}, {"B1", 8}}, {{"a6", maximum, 2}},
                 ""},
        RuleCase{"1+1 at 160 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 0}, {"B1", 9}}, {{"a6", maximum, 2}},
                 ""},
        RuleCase{"1+1 at 192 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 0}, {"B1", 10}}, {{"a6", maximum, 3}},
                 ""},
        RuleCase{"1/0 at 48 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 1}, {"B1", 2}}, {{"a6", maximum, 0}},
                 ""},
        RuleCase{"1/0 at 56 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 1}, {"B1", 3}}, {{"a6", maximum, 1}},
                 ""},
        RuleCase{"1/0 at 80 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 1}, {"B1", 5}}, {{"a6", maximum, 2}},
                 ""},
        RuleCase{"2/0 at 112 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 2}, {"B1", 7}}, {{"a6", maximum, 1}},
                 ""},
        RuleCase{"3/0 at 160 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 3}, {"B1", 9}}, {{"a6", maximum, 1}},
                 ""},
        RuleCase{"2/1 at 256 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 4}, {"B1", 12}}, {{"a6", maximum, 3}},
                 ""},
        RuleCase{"3/1 at 256 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 5}, {"B1", 12}}, {{"a6", maximum, 2}},
                 ""},
        RuleCase{"2/2 at 192 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 6}, {"B1", 10}}, {{"a6", maximum, 1}},
                 ""},
        RuleCase{"3/2 at 192 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 7}, {"B1", 10}}, {{"a6", maximum, 0}},
                 ""},
        RuleCase{"3/2 at 384 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 7}, {"B1", 14}}, {{"a6", maximum, 2}},
                 ""},
        RuleCase{"3/2 at 448 kbps", watching<AuxiliaryDataRule>("B3"), {{"B3", 7}, {"B1", 15}}, {{"a6", maximum, 3}},
                 ""},
        RuleCase{"pre-encoded input", watching<AuxiliaryDataRule>("a3"), {{"a3", 1}, {"B3", 0}, {"B1", 8}},
                 {{"a6", available, 0}, {"a6", maximum, 2}}, ""},
        RuleCase{"coding mode 8 from a unit", watching<AuxiliaryDataRule>("B3"), {{"a3", 2}, {"B3", 8}},
                 {{"a6", available, 0}, {"a6", maximum, wideMaximum}}, "Invalid audio coding mode."}));

// The clocks that input source, multiplex mode, input format, coding delay,
// output mode and data rate leave, with the KQ330's (104, 76) and the KQ350's
// (268, 195) delay limits.
INSTANTIATE_TEST_SUITE_P(
    ClockSource, UnitRuleTest,
    ::testing::Values(
        RuleCase{"analog input, external delay", clockSource(104, 76),
                 {{"a0", 0}, {"a4", 0}, {"a3", 0}, {"a5", -1}, {"H6", 0}, {"a2", 2}},
                 {{"a2", minimum, 2}, {"a2", maximum, 5}}, ""},
        RuleCase{"multiplex mode, long delay", clockSource(104, 76),
                 {{"a0", 1}, {"a4", 1}, {"a5", 150}, {"a2", 1}}, {{"a2", minimum, 1}, {"a2", maximum, 2}}, ""},
        RuleCase{"multiplex mode, short delay", clockSource(104, 76),
                 {{"a0", 1}, {"a4", 1}, {"a5", 50}, {"a2", 1}}, {{"a2", minimum, 1}, {"a2", maximum, 2}}, ""},
        RuleCase{"multiplex mode, autodetected input", clockSource(104, 76),
                 {{"a0", 1}, {"a4", 1}, {"a3", 2}, {"a5", 150}, {"a2", 1}}, {{"a2", minimum, 1}, {"a2", maximum, 1}},
                 ""},
        RuleCase{"KQ330 delay 75", clockSource(104, 76), {{"a0", 1}, {"a5", 75}, {"a2", 0}},
                 {{"a2", minimum, 0}, {"a2", maximum, 3}}, ""},
        RuleCase{"KQ330 delay 76", clockSource(104, 76), {{"a0", 1}, {"a5", 76}}, {{"a2", maximum, 4}}, ""},
        RuleCase{"KQ330 delay 103", clockSource(104, 76), {{"a0", 1}, {"a5", 103}}, {{"a2", maximum, 4}}, ""},
        RuleCase{"KQ330 delay 104", clockSource(104, 76), {{"a0", 1}, {"a5", 104}}, {{"a2", maximum, 5}}, ""},
        RuleCase{"KQ330 delay 104, 16-bit output at 448 kbps", clockSource(104, 76),
                 {{"a0", 1}, {"a5", 104}, {"H6", 2}, {"B1", 15}}, {{"a2", maximum, 4}}, ""},
        RuleCase{"KQ330 delay 104, 16-bit output at 384 kbps", clockSource(104, 76),
                 {{"a0", 1}, {"a5", 104}, {"H6", 2}, {"B1", 14}}, {{"a2", maximum, 5}}, ""},
        RuleCase{"external delay, 16-bit output at 448 kbps", clockSource(104, 76),
                 {{"a0", 1}, {"a5", -1}, {"H6", 3}, {"B1", 15}}, {{"a2", maximum, 4}}, ""},
        RuleCase{"external delay, 16-bit output at 384 kbps", clockSource(104, 76),
                 {{"a0", 1}, {"a5", -1}, {"H6", 3}, {"B1", 14}}, {{"a2", maximum, 5}}, ""},
        RuleCase{"KQ350 delay 194", clockSource(268, 195), {{"a0", 1}, {"a5", 194}}, {{"a2", maximum, 3}}, ""},
        RuleCase{"KQ350 delay 195", clockSource(268, 195), {{"a0", 1}, {"a5", 195}}, {{"a2", maximum, 4}}, ""},
        RuleCase{"KQ350 delay 267", clockSource(268, 195), {{"a0", 1}, {"a5", 267}}, {{"a2", maximum, 4}}, ""},
        RuleCase{"KQ350 delay 268", clockSource(268, 195), {{"a0", 1}, {"a5", 268}}, {{"a2", maximum, 5}}, ""},
        RuleCase{"analog input on the digital clock", clockSource(104, 76), {{"a0", 0}, {"a2", 0}},
                 {{"a2", minimum, wideMinimum}, {"a2", maximum, wideMaximum}}, inconsistent}));

// Clock lock from the clock and the lock of the input it uses.
INSTANTIATE_TEST_SUITE_P(
    ClockLock, UnitRuleTest,
    ::testing::Values(
        RuleCase{"digital input not locked",
                 clockLock("a2"), {{"a2", 0}, {"I0", 0}, {"b0", 1}, {"o2", 1}}, {{"o2", value, 0}}, ""},
        RuleCase{"digital input locked",
                 clockLock("I0"), {{"a2", 0}, {"I0", 1}, {"b0", 0}}, {{"o2", value, 1}}, ""},
        RuleCase{"reference input locked",
                 clockLock("b0"), {{"a2", 1}, {"I0", 0}, {"b0", 3}}, {{"o2", value, 1}}, ""},
        RuleCase{"reference input unlocked, converted",
                 clockLock("b0"), {{"a2", 2}, {"I0", 1}, {"b0", 0}, {"o2", 1}}, {{"o2", value, 0}}, ""},
        RuleCase{"internal 44.1 kHz",
                 clockLock("a2"), {{"a2", 4}, {"I0", 0}, {"b0", 0}}, {{"o2", value, 1}}, ""},
        RuleCase{"clock source 6 from a unit",
                 clockLock("a2"), {{"a2", 6}, {"o2", 7}}, {{"o2", value, 7}}, "Invalid clock source."}));

// The small limit and availability rules.
INSTANTIATE_TEST_SUITE_P(
    Limits, UnitRuleTest,
    ::testing::Values(
        RuleCase{"448 kbps on 32 kHz: 32-bit output at most", watching<OutputModeLimitRule>("B1"),
                 {{"B1", 15}, {"a2", 5}}, {{"H6", maximum, 1}}, ""},
        RuleCase{"384 kbps on 32 kHz", watching<OutputModeLimitRule>("a2"), {{"B1", 14}, {"a2", 5}},
                 {{"H6", maximum, 3}}, ""},
        RuleCase{"448 kbps on 44.1 kHz", watching<OutputModeLimitRule>("a2"), {{"B1", 15}, {"a2", 4}},
                 {{"H6", maximum, 3}}, ""},
        RuleCase{"multiplex: 16-bit output, converted reference clock", watching<MultiplexAvailabilityRule>("H6"),
                 {{"H6", 2}, {"a2", 2}}, {{"a4", available, 1}}, ""},
        RuleCase{"multiplex: 16-bit output, unconverted reference clock", watching<MultiplexAvailabilityRule>("a2"),
                 {{"H6", 3}, {"a2", 1}}, {{"a4", available, 1}}, ""},
        RuleCase{"multiplex: 32-bit output", watching<MultiplexAvailabilityRule>("H6"), {{"H6", 1}, {"a2", 1}},
                 {{"a4", available, 0}}, ""},
        RuleCase{"multiplex: digital input clock", watching<MultiplexAvailabilityRule>("a2"), {{"H6", 2}, {"a2", 0}},
                 {{"a4", available, 0}}, ""},
        RuleCase{"multiplex: internal clock", watching<MultiplexAvailabilityRule>("a2"), {{"H6", 2}, {"a2", 3}},
                 {{"a4", available, 0}}, ""},
        RuleCase{"encoded input allowed", watching<InputFormatLimitRule>("E0"),
                 {{"a2", 0}, {"a0", 1}, {"E0", 1}, {"a6", 0}}, {{"a3", maximum, 2}}, ""},
        RuleCase{"encoded input on the unconverted reference", watching<InputFormatLimitRule>("a2"),
                 {{"a2", 1}, {"a0", 1}, {"E0", 0}, {"a6", -1}}, {{"a3", maximum, 2}}, ""},
        RuleCase{"PCM only on a converted clock", watching<InputFormatLimitRule>("a2"),
                 {{"a2", 2}, {"a0", 1}, {"E0", 1}, {"a6", 0}}, {{"a3", maximum, 0}}, ""},
        RuleCase{"PCM only from the analog input", watching<InputFormatLimitRule>("a0"),
                 {{"a2", 0}, {"a0", 0}, {"E0", 1}, {"a6", 0}}, {{"a3", maximum, 0}}, ""},
        RuleCase{"PCM only under time-code control", watching<InputFormatLimitRule>("E0"),
                 {{"a2", 0}, {"a0", 1}, {"E0", 2}, {"a6", 0}}, {{"a3", maximum, 0}}, ""},
        RuleCase{"PCM only with auxiliary data", watching<InputFormatLimitRule>("a6"),
                 {{"a2", 0}, {"a0", 1}, {"E0", 1}, {"a6", 1}}, {{"a3", maximum, 0}}, ""},
        RuleCase{"analog input: PCM on a converted clock", watching<InputSourceLimitRule>("a2"),
                 {{"a3", 0}, {"a2", 2}}, {{"a0", minimum, 0}}, ""},
        RuleCase{"analog input: PCM on an internal clock", watching<InputSourceLimitRule>("a3"),
                 {{"a3", 0}, {"a2", 5}}, {{"a0", minimum, 0}}, ""},
        RuleCase{"no analog input on the unconverted reference", watching<InputSourceLimitRule>("a2"),
                 {{"a3", 0}, {"a2", 1}, {"a0", 1}}, {{"a0", minimum, 1}}, ""},
        RuleCase{"no analog input for an encoded input", watching<InputSourceLimitRule>("a3"),
                 {{"a3", 1}, {"a2", 3}, {"a0", 1}}, {{"a0", minimum, 1}}, ""},
        RuleCase{"multiplex needs a 16-bit output", fixed<MultiplexOutputModeRule>(), {{"a4", 1}, {"H6", 2}},
                 {{"H6", minimum, 2}}, ""},
        RuleCase{"any non-zero multiplex mode counts", fixed<MultiplexOutputModeRule>(), {{"a4", 5}, {"H6", 3}},
                 {{"H6", minimum, 2}}, ""},
        RuleCase{"no multiplex", fixed<MultiplexOutputModeRule>(), {{"a4", 0}}, {{"H6", minimum, 0}}, ""},
        RuleCase{"multiplex on a 32-bit output", fixed<MultiplexOutputModeRule>(), {{"a4", 1}, {"H6", 1}},
                 {{"H6", minimum, wideMinimum}}, inconsistent},
        RuleCase{"PCM allows time-code control", fixed<InputFormatEncoderStateRule>(), {{"a3", 0}},
                 {{"E0", maximum, 2}}, ""},
        RuleCase{"encoded input: stop and start only", fixed<InputFormatEncoderStateRule>(), {{"a3", 2}},
                 {{"E0", maximum, 1}}, ""},
        RuleCase{"no recall pending", fixed<PresetEncoderStateRule>(), {{"a15", 0}},
                 {{"E0", maximum, 2}, {"E2", available, 1}, {"E6", available, 1}}, ""},
        RuleCase{"recall pending", fixed<PresetEncoderStateRule>(), {{"a15", 3}},
                 {{"E0", maximum, 1}, {"E2", available, 0}, {"E3", available, 0}, {"E4", available, 0},
                  {"E5", available, 0}, {"E6", available, 0}},
                 ""},
        RuleCase{"negative pending recall", fixed<PresetEncoderStateRule>(), {{"a15", -1}},
                 {{"E0", maximum, 2}, {"E5", available, 0}}, ""},
        RuleCase{"reference input locked", fixed<ReferenceLockRule>(), {{"b0", 1}},
                 {{"b1", available, 1}, {"b2", available, 1}, {"b3", available, 1}, {"b4", available, 1},
                  {"b5", available, 1}},
                 ""},
        RuleCase{"reference input not locked", fixed<ReferenceLockRule>(), {{"b0", 0}},
                 {{"b1", available, 0}, {"b3", available, 0}, {"b5", available, 0}}, ""}));

TEST(UnitRuleNotificationTest, DataRateRuleRunsOnEveryNotification)
{
    RuleBench bench;
    bench.preset("B1", 10);
    bench.preset("B3", 2);
    bench.preset("@1", 0);
    UnitDataRateRule rule(RuleBench::parse("B4"), bench.statuses(), bench.controls());
    EXPECT_EQ(2, bench.parameter("B3").maximum().toShort());
    // A capability that changes is seen at the next notification of 'B' 4,
    // also one that leaves its value alone.
    bench.preset("@1", 1);
    bench.control("B4").setMaximum(ParameterValue(1));
    EXPECT_EQ(6, bench.parameter("B3").maximum().toShort());
    // Each change names the watched parameter as its source.
    EXPECT_EQ(1u, bench.parameter("B3").sources().count(&bench.parameter("B4")));
    bench.change("B3", 3);
    bench.change("B4", 1);
    EXPECT_EQ(3, bench.parameter("B3").minimum().toShort());
    // With LFE on, 2/0 is no longer a mode: the request that would need it fails.
    bench.change("B4", 0);
    bench.change("B3", 2);
    EXPECT_THROW(bench.change("B4", 1), VornaException);
    EXPECT_EQ(0, bench.parameter("B3").minimum().toShort()) << "a failed minimum leaves the limits";
}

TEST(UnitRuleNotificationTest, ClockLockFollowsThePolledLock)
{
    RuleBench bench;
    bench.preset("a2", 0);
    ClockLockRule onClock(&bench.parameter("a2"), bench.statuses(), bench.controls());
    ClockLockRule onReference(&bench.parameter("b0"), bench.statuses(), bench.controls());
    ClockLockRule onInput(&bench.parameter("I0"), bench.statuses(), bench.controls());
    Parameter& clockLock = bench.parameter("o2");
    int notified = 0;
    struct Counter : Observer
    {
        explicit Counter(int* aCount) : myCount(aCount) {}
        void update(Subject*) override { ++*myCount; }
        int* myCount;
    } counter(&notified);
    clockLock.attach(&counter);
    notified = 0;
    EXPECT_EQ(0, clockLock.value().toShort());
    bench.change("I0", 1);
    EXPECT_EQ(1, clockLock.value().toShort());
    EXPECT_EQ(1, notified);
    bench.change("b0", 1);
    EXPECT_EQ(1, notified) << "an unchanged lock notifies nobody";
    bench.change("a2", 1);
    EXPECT_EQ(1, clockLock.value().toShort());
    bench.change("b0", 0);
    EXPECT_EQ(0, clockLock.value().toShort());
    EXPECT_EQ(2, notified);
    bench.change("a2", 4);
    EXPECT_EQ(1, clockLock.value().toShort());
}

TEST(UnitRuleNotificationTest, ReferenceFieldsNeedALockThatIsAvailable)
{
    RuleBench bench;
    bench.preset("b0", 1);
    ReferenceLockRule rule(bench.statuses(), bench.controls());
    const char* const fields[] = {"b1", "b2", "b3", "b4", "b5"};
    for (const char* field : fields)
    {
        EXPECT_TRUE(bench.parameter(field).available()) << field;
    }
    // A lock that is itself greyed says nothing, whatever it holds.
    bench.parameter("b0").setAvailable(false);
    for (const char* field : fields)
    {
        EXPECT_FALSE(bench.parameter(field).available()) << field;
        EXPECT_EQ(1u, bench.parameter(field).sources().count(&bench.parameter("b0"))) << field;
    }
    bench.parameter("b0").setAvailable(true);
    EXPECT_TRUE(bench.parameter("b4").available());
}
