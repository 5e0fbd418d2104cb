#include "Kq310TableFixture.h"

#include "Toolkit/Parameter/VornaException.h"

#include <string>
#include <vector>

namespace
{
// The assignment writes ('G' is the write group of 'H') as "index=value".
std::string assignmentWrites(const std::vector<RecordingKq310Values::Write>& someWrites)
{
    std::string text;
    for (const RecordingKq310Values::Write& write : someWrites)
    {
        if (write.id.group() == 'G')
        {
            text += (text.empty() ? "" : " ") + std::to_string(write.id.index()) + "=" + std::to_string(write.value);
        }
    }
    return text;
}
}

class RoutingPresetTest : public Kq310TableFixture
{
};

TEST_F(RoutingPresetTest, EachPresetWritesItsAssignmentsInInputOrder)
{
    // From preset 0 (0 4 1 2 3 5), each preset's writes, in the order of the
    // inputs they receive; writes equal to the present value are dropped.
    struct Case
    {
        int preset;
        const char* writes;
    };
    const Case cases[] = {
        {1, "1=1 2=2 3=3 4=4"}, {2, "3=1 1=2 4=3 2=4"}, {3, "2=1 5=3 3=4 4=5"},
        {4, "1=1 4=2 2=3 5=5"}, {5, "1=0 0=1 2=2 3=3 4=4"}, {0, "0=0 2=1 3=2 4=3 1=4"},
    };
    for (const Case& each : cases)
    {
        myValues.writes.clear();
        request('O', 0, each.preset);
        EXPECT_EQ(each.writes, assignmentWrites(myValues.writes)) << each.preset;
        EXPECT_EQ(each.preset, valueOf(control('O', 0)));
    }
}

TEST_F(RoutingPresetTest, PresetThreeFromPresetOnePassesThroughCustom)
{
    request('O', 0, 1);
    myValues.writes.clear();
    request('O', 0, 3);
    EXPECT_EQ("2=1 1=2 5=3 3=4 4=5", assignmentWrites(myValues.writes));
    // 'O' 0 lives in the local store: its writes never reach the unit's values.
    ASSERT_FALSE(myValues.writes.empty());
    for (const RecordingKq310Values::Write& write : myValues.writes)
    {
        EXPECT_NE('N', write.id.group());
    }
    EXPECT_EQ(3, valueOf(control('O', 0)));
}

TEST_F(RoutingPresetTest, CustomPresetWritesNothing)
{
    myValues.writes.clear();
    control('O', 0).write(ParameterValue(6));
    EXPECT_TRUE(myValues.writes.empty());
    EXPECT_EQ(6, valueOf(control('O', 0)));
}

TEST_F(RoutingPresetTest, HandMadeAssignmentMakesThePresetCustom)
{
    request('H', 1, 0);
    EXPECT_EQ(6, valueOf(control('O', 0)));
    request('H', 1, 4);
    EXPECT_EQ(0, valueOf(control('O', 0)));
}

TEST_F(RoutingPresetTest, OutOfRangePresetIsDroppedOrRefused)
{
    request('O', 0, 7);
    EXPECT_EQ(0, valueOf(control('O', 0)));
    try
    {
        control('O', 0).write(ParameterValue(7));
        FAIL() << "no error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("Invalid input channel assignment", anError.what());
    }
}

TEST_F(RoutingPresetTest, TimeCodeSwitchDrivesTheRequestedState)
{
    struct Case
    {
        int reportedState;
        int requested; // -1: the switch fails
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, -1}};
    for (const Case& each : cases)
    {
        request('O', 1, 1);
        ASSERT_EQ(2, valueOf(control('E', 0)));
        report('F', 0, each.reportedState);
        if (each.requested < 0)
        {
            try
            {
                request('O', 1, 0);
                FAIL() << "no error";
            }
            catch (const VornaException& anError)
            {
                EXPECT_STREQ("Invalid encoder state detetected.", anError.what());
            }
            EXPECT_EQ(2, valueOf(control('E', 0)));
        }
        else
        {
            request('O', 1, 0);
            EXPECT_EQ(each.requested, valueOf(control('E', 0))) << each.reportedState;
            EXPECT_EQ(0, valueOf(control('O', 1)));
        }
    }
}

TEST_F(RoutingPresetTest, SwitchOffOutsideTimeCodeControlLeavesTheState)
{
    myValues.writes.clear();
    control('O', 1).write(ParameterValue(1));
    request('E', 0, 1);
    EXPECT_EQ(0, valueOf(control('O', 1))) << "the encoder state rule follows 'E' 0";
    EXPECT_EQ(1, valueOf(control('E', 0)));
}

TEST_F(RoutingPresetTest, PollRingCyclesInputTimeCodeBitStream)
{
    // The first reads: every control, every status, then two cycles of the ring.
    EXPECT_EQ("B@IFCIFC", myValues.requestedGroups);
    myValues.requestedGroups.clear();
    for (int poll = 0; poll < 4; ++poll)
    {
        myTable->dispatchQueued();
    }
    EXPECT_EQ("IFCI", myValues.requestedGroups);
}

TEST_F(RoutingPresetTest, AnswerOfAnotherGroupFailsThePoll)
{
    myValues.misansweredGroup = 'I';
    myValues.requestedGroups.clear();
    try
    {
        myTable->dispatchQueued();
        FAIL() << "no error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("The device returned some parameters that were not asked for.", anError.what());
    }
    myValues.misansweredGroup = -1;
    myTable->dispatchQueued();
    EXPECT_EQ("II", myValues.requestedGroups) << "the failed group is polled again";
}
