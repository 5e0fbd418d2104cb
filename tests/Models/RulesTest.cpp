#include "Kq310TableFixture.h"

#include "Toolkit/Parameter/VornaException.h"

#include <set>
#include <string>

namespace
{
struct Target
{
    bool control;
    int group;
    int index;
};

// The availability targets of the audio coding mode, in the rule's order.
const Target theCodingModeTargets[] = {
    {false, 'C', 3},  {false, 'C', 4}, {false, 'C', 6}, {false, 'C', 5}, {false, 'C', 7}, {false, 'C', 8},
    {false, 'C', 11}, {false, 'C', 13}, {false, 'C', 15}, {true, 'B', 7}, {true, 'B', 4}, {true, 'B', 32},
    {true, 'B', 8},   {true, 'B', 31}, {true, 'B', 9},  {true, 'B', 17}, {true, 'B', 6},
};

struct CodingModeCase
{
    int mode;
    const char* available; // one flag per target above
    int lfeMaximum;
    int bitStreamModeMaximum;
};

// Derived from the rule's table, one mode at a time.
const CodingModeCase theCodingModeCases[] = {
    {0, "01100011100000011", 0, 6}, {1, "00010000000000000", 0, 7}, {2, "11100000000000100", 0, 7},
    {3, "11110000011000000", 1, 7}, {4, "11101000001111000", 1, 7}, {5, "11111000011111000", 1, 7},
    {6, "11101100001111000", 1, 7}, {7, "11111100011111000", 1, 7},
};
}

class RulesTest : public Kq310TableFixture
{
protected:
    Parameter& target(const Target& aTarget)
    {
        return aTarget.control ? static_cast<Parameter&>(control(aTarget.group, aTarget.index))
                               : status(aTarget.group, aTarget.index);
    }

    // Frees the coding mode of the data rate and the LFE switch.
    void allowEveryCodingMode()
    {
        request('B', 4, 0);
        request('B', 1, 18);
        ASSERT_EQ(0, minimumOf(control('B', 3)));
        ASSERT_EQ(7, maximumOf(control('B', 3)));
    }
};

TEST_F(RulesTest, CodingModeSetsAvailabilityAndLimits)
{
    allowEveryCodingMode();
    for (const CodingModeCase& mode : theCodingModeCases)
    {
        request('B', 3, mode.mode);
        ASSERT_EQ(mode.mode, valueOf(control('B', 3)));
        int flag = 0;
        for (const Target& each : theCodingModeTargets)
        {
            EXPECT_EQ(mode.available[flag++] == '1', target(each).available())
                << "mode " << mode.mode << ", " << char(each.group) << ' ' << each.index;
        }
        EXPECT_EQ(mode.lfeMaximum, maximumOf(control('B', 4))) << mode.mode;
        EXPECT_EQ(mode.bitStreamModeMaximum, maximumOf(control('B', 2))) << mode.mode;
    }
}

TEST_F(RulesTest, SecondProductionInfoFollowsDualMonoAndItsSwitch)
{
    allowEveryCodingMode();
    request('B', 3, 0);
    EXPECT_FALSE(control('B', 18).available());
    request('B', 17, 1);
    EXPECT_TRUE(control('B', 18).available());
    EXPECT_TRUE(control('B', 19).available());
    request('B', 3, 2);
    EXPECT_FALSE(control('B', 18).available());
    request('B', 3, 0);
    EXPECT_TRUE(control('B', 19).available());
    request('B', 17, 0);
    EXPECT_FALSE(control('B', 18).available());
    EXPECT_FALSE(control('B', 19).available());
}

TEST_F(RulesTest, CodingModeStopsAtTheFirstRefusedBound)
{
    // 3/2 to 2/0 while LFE is still on. Making the LFE switch unavailable runs
    // the KQ310's data-rate rule on it, which still holds the coding mode to 3
    // and above: the run stops there, and what it changed before stays.
    try
    {
        control('B', 3).write(ParameterValue(2));
        FAIL() << "no error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_EQ(std::string("The device appears to be in an inconsistent state.  Audio Coding Mode: "
                              "2/0: Left, Right is incompatible with another parameter value."),
                  anError.what());
    }
    EXPECT_FALSE(status('C', 5).available());
    EXPECT_FALSE(status('C', 7).available());
    EXPECT_FALSE(control('B', 7).available());
    EXPECT_FALSE(control('B', 4).available());
    EXPECT_EQ(1, maximumOf(control('B', 4)));
    EXPECT_TRUE(control('B', 32).available());
    EXPECT_FALSE(control('B', 9).available());
}

TEST_F(RulesTest, SwitchesFollowTheirSubject)
{
    struct Case
    {
        Target subject;
        int value;
        bool subjectAvailable;
        Target dependent;
        bool expected;
    };
    const Case cases[] = {
        {{false, 'I', 0}, 1, true, {false, 'I', 1}, true},
        {{false, 'I', 0}, 1, false, {false, 'I', 4}, false},
        {{false, 'I', 0}, 0, true, {false, 'I', 6}, false},
        {{false, 'F', 1}, 1, true, {false, 'F', 6}, true},
        {{false, 'F', 1}, 1, false, {false, 'F', 2}, false},
        {{false, 'F', 0}, 3, true, {false, 'C', 2}, true},
        {{false, 'F', 0}, 3, false, {false, 'C', 2}, true},
        {{true, 'B', 12}, 1, true, {true, 'B', 13}, true},
        {{true, 'B', 12}, 1, false, {true, 'B', 14}, true},
        {{true, 'B', 4}, 0, true, {true, 'B', 30}, false},
        {{true, 'B', 4}, 0, true, {false, 'C', 9}, false},
        {{true, 'B', 4}, 1, true, {false, 'C', 9}, true},
    };
    for (const Case& each : cases)
    {
        Parameter& subject = target(each.subject);
        subject.setAvailable(true);
        if (each.subject.control)
        {
            request(each.subject.group, each.subject.index, each.value);
        }
        else
        {
            report(each.subject.group, each.subject.index, each.value);
        }
        subject.setAvailable(each.subjectAvailable);
        EXPECT_EQ(each.expected, target(each.dependent).available())
            << char(each.subject.group) << ' ' << each.subject.index << " = " << each.value << ", available "
            << each.subjectAvailable;
    }
}

TEST_F(RulesTest, TimeCodeFormatBoundsTheFrame)
{
    const int maxima[] = {0x24, 0x25, 0x29, 0x29, 0x30, 0x30};
    int format = 0;
    for (int maximum : maxima)
    {
        report('F', 2, format);
        EXPECT_EQ(maximum, maximumOf(status('F', 6))) << format;
        ++format;
    }
}

TEST_F(RulesTest, UnknownTimeCodeFormatFails)
{
    const int formats[] = {6, -1};
    for (int format : formats)
    {
        try
        {
            report('F', 2, format);
            FAIL() << format;
        }
        catch (const VornaException& anError)
        {
            EXPECT_EQ("Invalid time code format of " + std::to_string(format), anError.what());
        }
        EXPECT_EQ(0x24, maximumOf(status('F', 6)));
    }
}

TEST_F(RulesTest, PollThatLowersTheFormatAndTheFrameTogetherIsTakenWhole)
{
    myValues.hold('F', 2, 4);
    report('F', 6, 0x28);
    ASSERT_EQ(0x30, maximumOf(status('F', 6)));

    // Format 0 (frames up to 24) arrives with frame 10 in the same answer.
    myValues.hold('F', 2, 0);
    EXPECT_NO_THROW(report('F', 6, 0x10));
    EXPECT_EQ(0x10, valueOf(status('F', 6)));
    EXPECT_EQ(0x24, maximumOf(status('F', 6)));
}

TEST_F(RulesTest, LowerFrameBoundWaitsUntilTheFrameFits)
{
    myValues.hold('F', 2, 5);
    report('F', 6, 0x29);
    EXPECT_NO_THROW(report('F', 2, 1));
    EXPECT_EQ(1, valueOf(status('F', 2)));
    EXPECT_EQ(0x30, maximumOf(status('F', 6)));
    report('F', 6, 0x25);
    EXPECT_EQ(0x25, maximumOf(status('F', 6)));
}

TEST_F(RulesTest, FrameBoundsNameTheirRulesSubjects)
{
    // The frame's availability comes from Time Code Present, its maximum from
    // the format, also when the bound is applied once the frame fits it.
    myValues.hold('F', 2, 5);
    report('F', 6, 0x29);
    report('F', 2, 1);
    report('F', 6, 0x25);
    ASSERT_EQ(0x25, maximumOf(status('F', 6)));
    const std::set<Parameter*> expected = {&status('F', 1), &status('F', 2)};
    EXPECT_EQ(expected, status('F', 6).sources());
}

TEST_F(RulesTest, EncoderStateDrivesTheTimeCodeSwitch)
{
    EXPECT_TRUE(control('O', 1).available());
    request('E', 0, 2);
    EXPECT_EQ(1, valueOf(control('O', 1)));
    request('E', 0, 0);
    EXPECT_EQ(0, valueOf(control('O', 1)));
    control('E', 0).setMaximum(ParameterValue(1));
    EXPECT_FALSE(control('O', 1).available());
}

class Kq310DataRateRuleTest : public Kq310TableFixture, public ::testing::WithParamInterface<std::array<int, 5>>
{
protected:
    void SetUp() override {}
};

// Data rate, LFE, bit stream mode -> coding mode range, with the capability
// rows 3, 6, 8, 10, 11 of the off-line values.
TEST_P(Kq310DataRateRuleTest, BoundsTheCodingMode)
{
    const std::array<int, 5> row = GetParam();
    myValues.hold('B', 1, row[0]);
    myValues.hold('B', 4, row[1]);
    myValues.hold('B', 2, row[2]);
    myValues.hold('B', 3, row[3]);
    build();
    EXPECT_EQ(row[3], minimumOf(control('B', 3)));
    EXPECT_EQ(row[4], maximumOf(control('B', 3)));
}

INSTANTIATE_TEST_SUITE_P(Cases, Kq310DataRateRuleTest,
                         ::testing::Values(std::array<int, 5>{5, 0, 0, 1, 1}, std::array<int, 5>{7, 0, 0, 0, 2},
                                           std::array<int, 5>{7, 0, 7, 1, 2}, std::array<int, 5>{9, 0, 0, 0, 4},
                                           std::array<int, 5>{10, 0, 0, 0, 6}, std::array<int, 5>{11, 0, 0, 0, 7},
                                           std::array<int, 5>{18, 0, 0, 0, 7}, std::array<int, 5>{18, 1, 0, 3, 7},
                                           std::array<int, 5>{18, 1, 7, 3, 7}));

TEST_F(RulesTest, DataRateChangesBoundTheCodingMode)
{
    request('B', 4, 0);
    request('B', 3, 2);
    ASSERT_EQ(6, minimumOf(control('B', 1)));
    request('B', 1, 7);
    EXPECT_EQ(7, valueOf(control('B', 1)));
    EXPECT_EQ(0, minimumOf(control('B', 3)));
    EXPECT_EQ(2, maximumOf(control('B', 3)));
    request('B', 2, 7);
    EXPECT_EQ(1, minimumOf(control('B', 3)));
    request('B', 3, 3);
    EXPECT_EQ(2, valueOf(control('B', 3))) << "above the bound: dropped";
}

TEST_F(RulesTest, CodingModeRaisesTheLowestDataRate)
{
    allowEveryCodingMode();
    const int minima[] = {6, 3, 6, 8, 8, 10, 10, 11};
    int mode = 0;
    for (int minimum : minima)
    {
        request('B', 3, mode);
        EXPECT_EQ(minimum, minimumOf(control('B', 1))) << mode;
        ++mode;
    }
}

TEST_F(RulesTest, UnknownCodingModeFails)
{
    allowEveryCodingMode();
    try
    {
        control('B', 3).write(ParameterValue(9));
        FAIL() << "no error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("Invalid audio coding mode of 9", anError.what());
    }
}
