#include "UnitFixtures.h"

#include "Models/Unit/Kq330OfflineDevice.h"
#include "Models/Unit/Kq350OfflineDevice.h"
#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace
{
class OfflineDefaultsTest : public ::testing::TestWithParam<const UnitModel*>
{
protected:
    OfflineDefaultsTest()
        : myUnit(*GetParam())
    {
        myUnit.build();
    }

    const UnitModel& model() const { return *GetParam(); }
    bool isKq350() const { return model().deviceType == "KQ350"; }

    static void expectLimits(const Parameter& aParameter, int aMinimum, int aMaximum)
    {
        EXPECT_EQ(aMinimum, aParameter.minimum().toShort()) << aParameter.id();
        EXPECT_EQ(aMaximum, aParameter.maximum().toShort()) << aParameter.id();
    }

    OfflineUnit myUnit;
};

class CountingObserver : public Observer
{
public:
    void update(Subject*) override { ++myUpdates; }
    int myUpdates = 0;
};
}

TEST_P(OfflineDefaultsTest, IdentificationAndUnitRows)
{
    EXPECT_EQ("Device Type: " + model().deviceType, myUnit.line(myUnit.status(0xF8, 0)));
    EXPECT_EQ("Firmware Version: x.xx", myUnit.line(myUnit.status(0xF8, 1)));
    EXPECT_EQ("Unit Name: " + model().deviceType, myUnit.line(myUnit.control('a', 14)));
    EXPECT_EQ("Coding Delay: " + std::to_string(model().maximum), myUnit.line(myUnit.control('a', 5)));
    expectLimits(myUnit.control('a', 5), -1, model().maximum);
    EXPECT_EQ(UnitParameterTable::nameSettleTime, myUnit.control('a', 14).settleTime());
    EXPECT_EQ(UnitParameterTable::nameSettleTime, myUnit.control('a', 10).settleTime());
    EXPECT_EQ("Recall Preset Pending: None", myUnit.line(myUnit.control('a', 15)));

    UnitParameterTable& table = myUnit.table();
    ControlParameter& inputSource = myUnit.control('a', 0);
    ControlParameter& channelPairs = myUnit.control('a', 1);
    // The row that the model lacks is the table's own, text-less and never saved.
    ControlParameter& missing = isKq350() ? inputSource : channelPairs;
    ControlParameter& present = isKq350() ? channelPairs : inputSource;
    EXPECT_EQ(table.localProtocol(), missing.owner());
    EXPECT_FALSE(missing.available());
    EXPECT_FALSE(missing.restorable());
    EXPECT_EQ("", myUnit.line(missing));
    EXPECT_EQ(&myUnit.recorder(), present.owner());
    EXPECT_TRUE(present.restorable());
    if (isKq350())
    {
        expectLimits(inputSource, 1, 1);
        EXPECT_EQ(1, inputSource.value().toShort());
        EXPECT_EQ("Bit Stream Mode: Mode 1: L/R,  Ls/Rs, C/LFE", myUnit.line(channelPairs));
        expectLimits(channelPairs, 0, 5);
    }
    else
    {
        EXPECT_EQ("Input Source: Digital", myUnit.line(inputSource));
        expectLimits(inputSource, 1, 1); // the analog input needs another clock
        expectLimits(channelPairs, 0, 0);
    }
    EXPECT_EQ(model().limit32, table.sampleRateLimit32());
    EXPECT_EQ(model().limit44, table.sampleRateLimit44());
    EXPECT_EQ(model().limitOther, table.sampleRateLimitOther());
    EXPECT_EQ(model().maximum, table.codingDelayMaximum());
}

TEST_P(OfflineDefaultsTest, PresetNamesSitInTwoCollections)
{
    UnitParameterTable& table = myUnit.table();
    ControlParameter& low = table.presetNamesLow().find(ParameterId('d', 15));
    ControlParameter& high = table.presetNamesHigh().find(ParameterId('d', 16));
    EXPECT_EQ("Preset 16 Name: Preset 16", myUnit.line(low));
    EXPECT_EQ("Preset 17 Name: Preset 17", myUnit.line(high));
    EXPECT_EQ("Preset 28 Name: Preset 28", myUnit.line(table.presetNamesHigh().find(ParameterId('d', 27))));
    EXPECT_EQ("Preset 29 Name: STEREO MUSIC", myUnit.line(table.presetNamesHigh().find(ParameterId('d', 28))));
    EXPECT_EQ("Preset 32 Name: SRND FILM", myUnit.line(table.presetNamesHigh().find(ParameterId('d', 31))));
    EXPECT_EQ(16u, table.presetNamesLow().parameters().size());
    EXPECT_EQ(16u, table.presetNamesHigh().parameters().size());
    EXPECT_THROW(table.presetNamesLow().find(ParameterId('d', 16)), VornaException);
    EXPECT_THROW(table.controlCollection().find(ParameterId('d', 0)), VornaException);
    EXPECT_FALSE(high.restorable());
    EXPECT_EQ(UnitParameterTable::nameSettleTime, high.settleTime());

    // The dynamic range preset names never reach the unit.
    ControlParameter& dynamicRange = myUnit.control('f', 3);
    EXPECT_EQ("Dynamic Range Preset 3 Name: Dyn Range 3", myUnit.line(dynamicRange));
    EXPECT_EQ(table.localProtocol(), dynamicRange.owner());
    EXPECT_EQ(0u, myUnit.recorder().readsOfGroup('f'));
}

TEST_P(OfflineDefaultsTest, ReferenceInputRows)
{
    const char* const lines[] = {
        "Reference Input Locked: No",
        "Reference Input Sampling Frequency: 48 kHz",
        "Reference Input Signal Integrity: High",
        "Reference Input CS Pro-Consumer Bit: Consumer",
        "Reference Input CS Audio Bit: Audio Data",
        "Reference Input CS Sampling Frequency: 48 kHz",
        "(62, 6): 0",
        "(62, 7): 0",
        "Current Preset: 0",
        "Current Dynamic Range Preset: 0",
        "Pass Through Mode: Disabled",
        "(62, 11): 0",
        "(62, 12): 0",
    };
    int index = 0;
    for (const char* line : lines)
    {
        EXPECT_EQ(line, myUnit.line(myUnit.status('b', index++)));
    }
    expectLimits(myUnit.status('b', 7), -1, model().maximum);
    EXPECT_EQ(myUnit.table().localProtocol(), myUnit.status('b', 9).owner());
    // Not locked to the reference input: its fields mean nothing.
    EXPECT_TRUE(myUnit.status('b', 0).available());
    for (int field = 1; field <= 5; ++field)
    {
        EXPECT_FALSE(myUnit.status('b', field).available()) << field;
    }
    EXPECT_THROW(myUnit.status('b', 13), VornaException);
}

TEST_P(OfflineDefaultsTest, CommonRowsThatTheUnitsLackAreTheTablesOwn)
{
    struct Row
    {
        char group;
        int index;
        int value;
    };
    const Row rows[] = {{'B', 0, -1}, {'B', 34, -1}, {'B', 35, -1}, {'E', 1, 0}, {'H', 0, 0},  {'H', 1, 0},
                        {'H', 2, 0},  {'H', 3, 0},   {'H', 4, 0},   {'H', 5, 0}, {'H', 10, 0}, {'H', 11, 0}};
    for (const Row& row : rows)
    {
        const ControlParameter& parameter = myUnit.control(row.group, row.index);
        SCOPED_TRACE(row.group + std::to_string(row.index));
        expectLimits(parameter, row.value, row.value);
        EXPECT_EQ(row.value, parameter.value().toShort());
        EXPECT_EQ(myUnit.table().localProtocol(), parameter.owner());
        EXPECT_FALSE(parameter.available());
        EXPECT_FALSE(parameter.restorable());
        EXPECT_EQ("", myUnit.line(parameter));
        EXPECT_EQ(1u, parameter.observerCount()) << "only the change observer watches a stand-in";
    }
    const int notSaved[] = {9, 10, 12, 13};
    for (int index : notSaved)
    {
        EXPECT_FALSE(myUnit.control('a', index).restorable()) << index;
    }
}

TEST_P(OfflineDefaultsTest, RulesLimitTheDefaults)
{
    struct Expectation
    {
        char group;
        int index;
        bool control;
        int minimum;
        int maximum;
        bool available;
    };
    const bool kq350 = isKq350();
    const Expectation expectations[] = {
        // 3/2 with LFE on the multi-channel KQ350, 2/0 on the KQ330.
        {'B', 3, true, kq350 ? 3 : 0, kq350 ? 7 : 2, true},
        {'B', 1, true, kq350 ? 11 : 6, 18, true},
        {'B', 33, true, -1, 0, true},
        {'a', 2, true, 0, 5, true},
        {'a', 3, true, 0, 2, true},
        {'a', 4, true, 0, 1, false},
        {'a', 6, true, 0, 3, true},
        {'a', 15, true, 0, 32, true},
        {'H', 6, true, 0, 3, true},
        {'E', 0, true, 0, 2, true},
        {'E', 2, true, 0, 0x23, true},
        {'O', 1, true, 0, 1, true},
        {'o', 0, true, 0, 1, true},
        {'o', 1, true, model().limitOther, model().maximum, true},
        {'o', 2, false, 0, 1, true},
    };
    for (const Expectation& each : expectations)
    {
        const Parameter& parameter =
            each.control ? myUnit.control(each.group, each.index) : myUnit.status(each.group, each.index);
        SCOPED_TRACE(each.group + std::to_string(each.index));
        expectLimits(parameter, each.minimum, each.maximum);
        EXPECT_EQ(each.available, parameter.available());
    }
    EXPECT_EQ(0, myUnit.control('o', 0).value().toShort());
    EXPECT_EQ(model().maximum, myUnit.control('o', 1).value().toShort());
    EXPECT_EQ(0, myUnit.status('o', 2).value().toShort()) << "the digital input is not locked";
}

TEST_P(OfflineDefaultsTest, DeemphasisCannotBeApplied)
{
    myUnit.recorder().clear();
    myUnit.control('B', 33).setValue(ParameterValue(1));
    EXPECT_EQ(-1, myUnit.control('B', 33).value().toShort());
    EXPECT_TRUE(myUnit.recorder().writes().empty());
    myUnit.control('B', 33).setValue(ParameterValue(0));
    EXPECT_EQ("Digital Deemphasis Enable: Not Applied", myUnit.line(myUnit.control('B', 33)));
}

TEST_P(OfflineDefaultsTest, OffLineValuesOfTheModel)
{
    struct Value
    {
        int group;
        int index;
        int value;
    };
    const bool kq350 = isKq350();
    const Value values[] = {{'@', 1, kq350 ? 1 : 0}, {'@', 4, 0},   {'@', 12, 11},          {'B', 0, -1},
                            {'B', 1, 15},            {'B', 3, kq350 ? 7 : 2},               {'B', 4, kq350 ? 1 : 0},
                            {'B', 33, -1},           {'a', 0, 1},   {'a', 5, model().maximum},
                            {'o', 1, model().maximum}};
    for (const Value& each : values)
    {
        EXPECT_EQ(each.value, myUnit.unitValue(each.group, each.index).toShort())
            << char(each.group) << ' ' << each.index;
    }
    EXPECT_EQ(model().deviceType, myUnit.unitValue('a', 14).toString());
    EXPECT_EQ("SRND MUSIC", myUnit.unitValue('d', 30).toString());
    EXPECT_EQ("Preset 1", myUnit.unitValue('d', 0).toString());
    EXPECT_EQ(model().deviceType, myUnit.unitValue(0xF8, 0).toString());
    EXPECT_EQ("x.xx", myUnit.unitValue(0xF8, 1).toString());
    EXPECT_TRUE(myUnit.values().getStatus().isOk());
}

TEST_P(OfflineDefaultsTest, PollRingEndsWhereItStarted)
{
    EXPECT_EQ(std::deque<signed char>({'I', 'F', 'C', 'b', 'F', 'C'}), myUnit.table().pollRing());
    myUnit.recorder().clear();
    myUnit.table().dispatchQueued();
    ASSERT_FALSE(myUnit.recorder().reads().empty());
    EXPECT_EQ(myUnit.recorder().reads().size(), myUnit.recorder().readsOfGroup('I'));
    myUnit.recorder().clear();
    myUnit.table().dispatchQueued();
    myUnit.table().dispatchQueued();
    myUnit.table().dispatchQueued();
    // 'b' without its row 9, which the unit does not report.
    EXPECT_EQ(12u, myUnit.recorder().readsOfGroup('b'));
}

TEST_P(OfflineDefaultsTest, ObserversAttachToAllThreeControlMaps)
{
    CountingObserver highName;
    myUnit.table().attachControlObserver(ParameterId('d', 20), &highName);
    EXPECT_EQ(1, highName.myUpdates);
    EXPECT_EQ(&myUnit.table().presetNamesHigh().find(ParameterId('d', 20)), highName.subject());
    CountingObserver lowName;
    myUnit.table().attachControlObserver(ParameterId('d', 3), &lowName);
    EXPECT_EQ(&myUnit.table().presetNamesLow().find(ParameterId('d', 3)), lowName.subject());
    CountingObserver clock;
    myUnit.table().attachControlObserver(ParameterId('a', 2), &clock);
    EXPECT_EQ(&myUnit.control('a', 2), clock.subject());

    CountingObserver stray;
    try
    {
        myUnit.table().attachControlObserver(ParameterId('b', 0), &stray);
        FAIL() << "attached to a status parameter";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("Parameter not found", anError.what());
    }
    EXPECT_EQ(nullptr, stray.subject());
}

TEST_P(OfflineDefaultsTest, PolledReferenceValuesAreTakenAsTheUnitSendsThem)
{
    // Outside their rows' ranges too; the dynamic range preset is the program's own.
    myUnit.setUnitValue('b', 0, ParameterValue(1));
    myUnit.setUnitValue('b', 1, ParameterValue(-1));
    myUnit.setUnitValue('b', 5, ParameterValue(4));
    myUnit.setUnitValue('b', 11, ParameterValue(300));
    myUnit.setUnitValue('b', 9, ParameterValue(5));
    UnitParameterTable& table = myUnit.table();
    for (int poll = 0; poll < UnitParameterTable::startupPolls; ++poll)
    {
        table.dispatchQueued();
    }
    EXPECT_EQ("Reference Input Sampling Frequency: Auto", myUnit.line(myUnit.status('b', 1)));
    EXPECT_EQ("Reference Input CS Sampling Frequency: 4", myUnit.line(myUnit.status('b', 5)));
    EXPECT_EQ(300, myUnit.status('b', 11).value().toShort());
    EXPECT_EQ("Current Dynamic Range Preset: 0", myUnit.line(myUnit.status('b', 9)));
    EXPECT_TRUE(myUnit.status('b', 5).available()) << "locked to the reference input";

    // The same values once more notify nobody.
    const int watched[] = {0, 1, 5, 11};
    std::vector<std::unique_ptr<CountingObserver>> observers;
    for (int index : watched)
    {
        observers.push_back(std::make_unique<CountingObserver>());
        table.attachStatusObserver(ParameterId('b', index), observers.back().get());
        observers.back()->myUpdates = 0;
    }
    for (int poll = 0; poll < UnitParameterTable::startupPolls; ++poll)
    {
        table.dispatchQueued();
    }
    for (std::size_t position = 0; position < observers.size(); ++position)
    {
        EXPECT_EQ(0, observers[position]->myUpdates) << "'b' " << watched[position];
    }
}

TEST_P(OfflineDefaultsTest, TrackersWaitForTheLine)
{
    const std::vector<Parameter*>& tracked = myUnit.table().idleCallback().parameters();
    const int order[] = {4, 6, 5, 7, 8, 9, 10, 11};
    ASSERT_EQ(9u, tracked.size());
    for (std::size_t position = 0; position < 8; ++position)
    {
        EXPECT_EQ(&myUnit.status('C', order[position]), tracked[position]) << position;
        EXPECT_NE(nullptr, tracked[position]->valueTracker());
    }
    EXPECT_EQ(&myUnit.status('F', 6), tracked[8]);
    EXPECT_EQ(&myUnit.table().idleCallback(), myUnit.values().idleCallback());
    // The values never wait, so nothing is estimated off line.
    myUnit.control('B', 5).setValue(ParameterValue(20));
    EXPECT_EQ(256, myUnit.status('C', 10).value().toShort());
}

INSTANTIATE_TEST_SUITE_P(Models, OfflineDefaultsTest, ::testing::Values(&UnitModel::kq330(), &UnitModel::kq350()),
                         [](const ::testing::TestParamInfo<const UnitModel*>& anInfo) { return anInfo.param->name; });

TEST(UnitOfflineDeviceTest, DevicesCarryTheirModelsFigures)
{
    Kq330OfflineDevice kq330;
    Kq350OfflineDevice kq350;
    EXPECT_EQ(200, kq330.unitTable().codingDelayMaximum());
    EXPECT_EQ("KQ330", kq330.unitTable().deviceType());
    EXPECT_EQ("1.03", kq330.unitTable().minimumFirmware());
    EXPECT_EQ(104, kq330.unitTable().sampleRateLimit32());
    EXPECT_EQ(268, kq350.unitTable().sampleRateLimit32());
    EXPECT_EQ(195, kq350.unitTable().sampleRateLimit44());
    EXPECT_EQ(179, kq350.unitTable().sampleRateLimitOther());
    EXPECT_EQ("1.11", kq350.unitTable().minimumFirmware());
    EXPECT_EQ(0, kq330.values().values()[ParameterId('@', 1)].toShort());
    EXPECT_EQ(1, kq350.values().values()[ParameterId('@', 1)].toShort());
    EXPECT_EQ(&kq330.unitTable(), &kq330.parameterTable());

    // Every device operation reaches the unit table.
    kq330.copyControlValue(ParameterId('o', 1), ParameterId('a', 5));
    kq350.refresh();
    kq350.pollNext();
    CountingObserver name;
    kq350.attachControlObserver(ParameterId('d', 31), &name);
    EXPECT_EQ(1, name.myUpdates);
    CountingObserver level;
    kq350.attachStatusObserver(ParameterId('C', 4), &level);
    kq350.pollNext();
    kq350.pollNext();
    EXPECT_EQ(2, level.myUpdates) << "the ring's next group after 'I' and 'F' is 'C'";
}

TEST(UnitOpeningTest, UnitApplyingDeemphasisCannotBeOpened)
{
    for (const UnitModel* model : {&UnitModel::kq330(), &UnitModel::kq350()})
    {
        OfflineUnit unit(*model);
        unit.setUnitValue('B', 33, ParameterValue(1));
        try
        {
            unit.build();
            ADD_FAILURE() << *model << " opened";
        }
        catch (const VornaException& anError)
        {
            EXPECT_STREQ("The device appears to be in an inconsistent state.  Digital Deemphasis Enable: Applied is "
                         "incompatible with another parameter value.",
                         anError.what())
                << *model;
        }
        EXPECT_EQ(nullptr, unit.values().idleCallback()) << *model;
    }
}
