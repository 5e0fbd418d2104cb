// The unit rules together, in a whole off-line table: coding delay, encoder
// state, output mode and the preset recall, as a user's edits and the unit's
// own changes reach them.

#include "UnitFixtures.h"

#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
class UnitTableRulesTest : public ::testing::Test
{
protected:
    UnitTableRulesTest()
        : myUnit(UnitModel::kq330())
    {
    }

    ControlParameter& control(int aGroup, int anIndex) { return myUnit.control(aGroup, anIndex); }
    int value(int aGroup, int anIndex) { return myUnit.control(aGroup, anIndex).value().toShort(); }
    void request(int aGroup, int anIndex, int aValue) { control(aGroup, anIndex).setValue(ParameterValue(aValue)); }
    const std::vector<ParameterId>& writes() { return myUnit.recorder().writes(); }

    OfflineUnit myUnit;
};

// Calls back into the table's refresh from inside a notification.
class RefreshingObserver : public Observer
{
public:
    explicit RefreshingObserver(UnitParameterTable* aTable) : myTable(aTable) {}
    void update(Subject*) override
    {
        if (myArmed)
        {
            myArmed = false;
            myTable->refreshControls();
        }
    }
    UnitParameterTable* myTable;
    bool myArmed = false;
};
}

// Coding delay ---------------------------------------------------------------------

TEST_F(UnitTableRulesTest, ExternalModeGreysTheFixedDelayAndAsksTheUnitOnce)
{
    myUnit.build();
    myUnit.recorder().clear();
    request('o', 0, 1);
    EXPECT_FALSE(control('o', 1).available());
    EXPECT_EQ(200, value('o', 1));
    EXPECT_EQ(-1, value('a', 5));
    EXPECT_EQ(-1, myUnit.unitValue('a', 5).toShort());
    EXPECT_EQ(std::vector<ParameterId>({ParameterId('a', 5)}), writes());
}

TEST_F(UnitTableRulesTest, FixedModeOnTheInternal32kHzClockNeedsTheLongerDelay)
{
    myUnit.setUnitValue('a', 5, ParameterValue(-1));
    myUnit.build();
    request('a', 2, 5);
    ASSERT_EQ(5, value('a', 2));
    EXPECT_EQ(70, control('o', 1).minimum().toShort()) << "no fixed delay yet";
    myUnit.recorder().clear();
    request('o', 0, 0);
    EXPECT_TRUE(control('o', 1).available());
    EXPECT_EQ(104, control('o', 1).minimum().toShort());
    EXPECT_EQ(200, value('a', 5));
    EXPECT_EQ(std::vector<ParameterId>({ParameterId('a', 5)}), writes());
    request('o', 1, 150);
    EXPECT_EQ(150, value('a', 5));
    request('o', 1, 90);
    EXPECT_EQ(150, value('a', 5)) << "below the least delay: dropped";
}

TEST_F(UnitTableRulesTest, UnitsCodingDelayComesInWithARefresh)
{
    myUnit.build();
    myUnit.recorder().clear();
    myUnit.setUnitValue('a', 5, ParameterValue(150));
    myUnit.table().refreshControls();
    EXPECT_EQ(0, value('o', 0));
    EXPECT_EQ(150, value('o', 1));
    myUnit.setUnitValue('a', 5, ParameterValue(-1));
    myUnit.table().refreshControls();
    EXPECT_EQ(1, value('o', 0));
    EXPECT_EQ(200, value('o', 1));
    EXPECT_FALSE(control('o', 1).available());
    EXPECT_TRUE(writes().empty()) << "what the unit reports is taken, not answered";
}

TEST_F(UnitTableRulesTest, FixedDelayFromTheUnitInExternalModeStands)
{
    // Opening a unit in external mode sends it nothing.
    myUnit.setUnitValue('a', 5, ParameterValue(-1));
    myUnit.build();
    EXPECT_TRUE(writes().empty());
    ASSERT_EQ(1, value('o', 0));
    ASSERT_EQ(200, value('o', 1));

    // The unit was set to a fixed 150 at its front panel: the refresh takes it
    // and the old 200 is not written back.
    myUnit.setUnitValue('a', 5, ParameterValue(150));
    myUnit.table().refreshControls();
    EXPECT_EQ(150, value('a', 5));
    EXPECT_EQ(150, myUnit.unitValue('a', 5).toShort());
    EXPECT_EQ(0, value('o', 0));
    EXPECT_EQ(150, value('o', 1));
    EXPECT_TRUE(control('o', 1).available());
    EXPECT_TRUE(writes().empty());
}

TEST_F(UnitTableRulesTest, PresetRecallBringingAFixedDelayInExternalModeWritesOnlyTheRecall)
{
    myUnit.setUnitValue('a', 5, ParameterValue(-1));
    myUnit.build();
    // The unit holds a preset with a fixed delay of 120.
    myUnit.setUnitValue('a', 5, ParameterValue(120));
    request('a', 9, 3);
    EXPECT_EQ(std::vector<ParameterId>({ParameterId('a', 9)}), writes());
    EXPECT_EQ(120, value('a', 5));
    EXPECT_EQ(120, value('o', 1));
    EXPECT_EQ(0, value('o', 0));
    EXPECT_EQ(3, value('a', 9)) << "the refresh of the recall is no edit";
}

TEST_F(UnitTableRulesTest, ClockSourceSetsTheLeastFixedDelay)
{
    myUnit.setUnitValue('a', 5, ParameterValue(150));
    myUnit.build();
    struct Case
    {
        int clock;
        int least;
    };
    const Case cases[] = {{4, 76}, {5, 104}, {3, 70}, {0, 70}, {1, 70}};
    for (const Case& each : cases)
    {
        request('a', 2, each.clock);
        ASSERT_EQ(each.clock, value('a', 2));
        EXPECT_EQ(each.least, control('o', 1).minimum().toShort()) << "clock " << each.clock;
    }
    // A delay of 80 leaves no room for the internal 32 kHz clock.
    request('o', 1, 80);
    EXPECT_EQ(80, value('a', 5));
    EXPECT_EQ(4, control('a', 2).maximum().toShort());
    request('a', 2, 5);
    EXPECT_EQ(1, value('a', 2));
    // In external mode the clock needs no particular delay.
    request('o', 0, 1);
    request('a', 2, 5);
    EXPECT_EQ(5, value('a', 2));
    EXPECT_EQ(70, control('o', 1).minimum().toShort());
}

// Encoder state --------------------------------------------------------------------

TEST_F(UnitTableRulesTest, InputFormatAndPendingRecallEachLimitTheEncoderState)
{
    myUnit.build();
    request('a', 3, 1);
    EXPECT_EQ(1, control('E', 0).maximum().toShort());
    EXPECT_FALSE(control('a', 6).available()) << "no auxiliary data with an encoded input";
    request('a', 15, 3);
    EXPECT_EQ(1, control('E', 0).maximum().toShort());
    EXPECT_FALSE(control('E', 2).available());
    EXPECT_FALSE(control('E', 6).available());
    // Whichever changed last decides.
    request('a', 3, 0);
    EXPECT_EQ(2, control('E', 0).maximum().toShort());
    request('a', 15, 0);
    EXPECT_TRUE(control('E', 2).available());
    EXPECT_TRUE(control('O', 1).available());
}

TEST_F(UnitTableRulesTest, TimeCodeControlGreysThePendingRecall)
{
    myUnit.build();
    request('O', 1, 1);
    EXPECT_EQ(2, value('E', 0));
    EXPECT_FALSE(control('a', 15).available());
    EXPECT_EQ(0, control('a', 3).maximum().toShort()) << "PCM only under time-code control";
    EXPECT_EQ(1, value('O', 1));
    request('E', 0, 1);
    EXPECT_TRUE(control('a', 15).available());
    EXPECT_EQ(0, value('O', 1));
    EXPECT_EQ(2, control('a', 3).maximum().toShort());
}

// Output mode, multiplex and input format --------------------------------------------

TEST_F(UnitTableRulesTest, InternalClockAbove384kbpsLeavesNoRoomForA16BitOutput)
{
    myUnit.build();
    request('a', 2, 5);
    ASSERT_EQ(5, value('a', 2));
    EXPECT_EQ(1, control('H', 6).maximum().toShort());
    request('H', 6, 2);
    EXPECT_EQ(1, value('H', 6));
    request('B', 1, 14);
    EXPECT_EQ(3, control('H', 6).maximum().toShort());
    request('H', 6, 2);
    EXPECT_EQ(2, value('H', 6));
    EXPECT_EQ(14, control('B', 1).maximum().toShort()) << "and now 384 kbps is the ceiling";
    EXPECT_EQ(5, control('a', 2).maximum().toShort()) << "384 kbps itself still allows the 32 kHz clock";
    request('B', 1, 15);
    EXPECT_EQ(14, value('B', 1)) << "above the ceiling: dropped";
}

TEST_F(UnitTableRulesTest, MultiplexModeNeedsAReferenceClockAndA16BitOutput)
{
    myUnit.build();
    EXPECT_FALSE(control('a', 4).available());
    request('a', 2, 1);
    EXPECT_FALSE(control('a', 4).available());
    request('H', 6, 2);
    EXPECT_TRUE(control('a', 4).available());
    request('a', 4, 1);
    EXPECT_EQ(2, control('H', 6).minimum().toShort());
    request('H', 6, 1);
    EXPECT_EQ(2, value('H', 6));
    EXPECT_EQ(1, control('a', 2).minimum().toShort());
    EXPECT_EQ(2, control('a', 2).maximum().toShort());
}

TEST_F(UnitTableRulesTest, EncodedInputNeedsTheDigitalPathWithoutAuxiliaryData)
{
    myUnit.build();
    EXPECT_EQ(2, control('a', 3).maximum().toShort());
    request('a', 6, 1);
    EXPECT_EQ(0, control('a', 3).maximum().toShort());
    request('a', 6, 0);
    request('a', 2, 2);
    EXPECT_EQ(0, control('a', 3).maximum().toShort());
    EXPECT_EQ(0, control('a', 0).minimum().toShort()) << "the analog input needs the converted clock";
    request('a', 0, 0);
    EXPECT_EQ("Input Source: Analog", myUnit.line(control('a', 0)));
    EXPECT_EQ(2, control('a', 2).minimum().toShort());
}

// Preset recall and the change observers --------------------------------------------

TEST_F(UnitTableRulesTest, AnEditGivesUpTheRecalledPreset)
{
    myUnit.build();
    request('a', 9, 3);
    ASSERT_EQ(3, value('a', 9));
    myUnit.recorder().clear();
    request('B', 1, 14);
    EXPECT_EQ(0, value('a', 9));
    EXPECT_EQ(std::vector<ParameterId>({ParameterId('B', 1), ParameterId('a', 9)}), writes());
    // With no preset recalled nothing more is sent.
    myUnit.recorder().clear();
    request('B', 1, 13);
    EXPECT_EQ(std::vector<ParameterId>({ParameterId('B', 1)}), writes());
}

TEST_F(UnitTableRulesTest, SomeChangesKeepTheRecalledPreset)
{
    myUnit.build();
    request('a', 9, 3);
    // The unit's own values arriving with a refresh.
    myUnit.setUnitValue('B', 26, ParameterValue(3));
    myUnit.table().refreshControls();
    EXPECT_EQ(3, value('B', 26));
    EXPECT_EQ(3, value('a', 9));
    // A new limit of a watched parameter, the requested encoder state, a preset name.
    control('B', 5).setMinimum(ParameterValue(2));
    request('E', 0, 0);
    myUnit.table().presetNamesLow().find(ParameterId('d', 3)).setValue(ParameterValue(std::string("Quiet")));
    EXPECT_EQ(3, value('a', 9));
    // A local parameter is an edit like any other.
    request('o', 0, 1);
    EXPECT_EQ(0, value('a', 9));
}

TEST_F(UnitTableRulesTest, RecallingAPresetReadsTheUnitOnce)
{
    myUnit.build();
    myUnit.recorder().clear();
    request('a', 9, 3);
    EXPECT_EQ(32u, myUnit.recorder().readsOfGroup('d'));
    EXPECT_EQ(25u, myUnit.recorder().readsOfGroup('B')) << "the coding rows that the unit has";
    myUnit.recorder().clear();
    request('a', 9, 0);
    EXPECT_EQ(0u, myUnit.recorder().readsOfGroup('B'));
}

TEST_F(UnitTableRulesTest, PresetChangedAtTheUnitRereadsTheControls)
{
    myUnit.build();
    struct Case
    {
        int currentPreset;
        bool rereads;
    };
    request('a', 9, 4);
    const Case cases[] = {{5, true}, {4, false}, {0, false}, {7, true}};
    for (const Case& each : cases)
    {
        myUnit.setUnitValue('b', 8, ParameterValue(each.currentPreset));
        myUnit.recorder().clear();
        for (int poll = 0; poll < UnitParameterTable::startupPolls; ++poll)
        {
            myUnit.table().dispatchQueued();
        }
        EXPECT_EQ(each.rereads ? 25u : 0u, myUnit.recorder().readsOfGroup('B')) << each.currentPreset;
    }
}

TEST_F(UnitTableRulesTest, RefreshFromInsideARefreshReadsNothing)
{
    UnitParameterTable& table = myUnit.build();
    RefreshingObserver observer(&table);
    table.attachControlObserver(ParameterId('B', 1), &observer);
    observer.myArmed = true;
    myUnit.recorder().clear();
    table.refreshControls();
    EXPECT_FALSE(observer.myArmed) << "the observer ran";
    EXPECT_EQ(25u, myUnit.recorder().readsOfGroup('B'));
    EXPECT_FALSE(table.refreshing());
}

TEST_F(UnitTableRulesTest, FailedRefreshLeavesTheGuardDown)
{
    UnitParameterTable& table = myUnit.build();
    myUnit.recorder().failNextRead();
    EXPECT_THROW(table.refreshControls(), ProtocolException);
    EXPECT_FALSE(table.refreshing());
    myUnit.recorder().clear();
    table.refreshControls();
    EXPECT_EQ(25u, myUnit.recorder().readsOfGroup('B'));
}
