#include "Kq310TableFixture.h"

#include "Models/Kq310OfflineDevice.h"
#include "Models/OfflineKq310Values.h"

#include <set>
#include <utility>

namespace
{
using Id = std::pair<int, int>;

Id idOf(const ParameterId& anId)
{
    return Id(static_cast<unsigned char>(anId.group()), anId.index());
}

// What a fresh multi-channel KQ310 (3/2 with LFE, nothing locked, no time code,
// encoder started) leaves unavailable.
const std::set<Id> theUnavailableControls = {
    {'B', 6},  {'B', 9},  {'B', 10}, {'B', 11}, {'B', 13}, {'B', 14}, {'B', 15}, {'B', 16}, {'B', 17},
    {'B', 18}, {'B', 19}, {'B', 22}, {'B', 23}, {'B', 24}, {'B', 25}, {'B', 34}, {'B', 35},
};
const std::set<Id> theUnavailableStatus = {
    {'C', 2}, {'C', 11}, {'C', 13}, {'C', 15}, {'I', 1}, {'I', 2}, {'I', 3}, {'I', 4},
    {'I', 5}, {'I', 6},  {'F', 2},  {'F', 3},  {'F', 4},  {'F', 5}, {'F', 6},
};
}

class Kq310DefaultsTest : public Kq310TableFixture
{
};

TEST_F(Kq310DefaultsTest, ReadsTheOfflineDefaults)
{
    struct Row
    {
        int group;
        int index;
        int value;
    };
    const Row rows[] = {
        {'B', 0, -1}, {'B', 1, 15}, {'B', 2, 0},  {'B', 3, 7},  {'B', 4, 1},  {'B', 5, 31}, {'B', 6, 31},
        {'B', 21, 1}, {'B', 26, 1}, {'B', 30, 1}, {'B', 32, 0}, {'B', 33, 1}, {'B', 34, -1}, {'B', 35, -1},
        {'E', 0, 1},  {'E', 1, 0},  {'H', 0, 0},  {'H', 1, 4},  {'H', 2, 1},  {'H', 3, 2},  {'H', 4, 3},
        {'H', 5, 5},  {'H', 6, 1},  {'H', 7, 1},  {'H', 8, 0},  {'H', 9, 1},  {'O', 0, 0},  {'O', 1, 0},
    };
    for (const Row& row : rows)
    {
        EXPECT_EQ(row.value, valueOf(control(row.group, row.index))) << char(row.group) << ' ' << row.index;
    }
    const Row statusRows[] = {
        {'@', 1, 1},   {'@', 8, 3},   {'@', 9, 6},   {'@', 10, 8},  {'@', 11, 10}, {'@', 12, 11},
        {'C', 10, 256}, {'C', 11, 256}, {'C', 12, 128}, {'C', 16, 128}, {'C', 9, 0},  {'I', 0, 0}, {'F', 0, 0},
    };
    for (const Row& row : statusRows)
    {
        EXPECT_EQ(row.value, valueOf(status(row.group, row.index))) << char(row.group) << ' ' << row.index;
    }
}

TEST_F(Kq310DefaultsTest, RulesSetAvailabilityFromTheFirstRead)
{
    for (const auto& entry : myTable->controlCollection().parameters())
    {
        EXPECT_EQ(theUnavailableControls.count(idOf(entry.first)) == 0, entry.second.available())
            << entry.first;
    }
    for (const auto& entry : myTable->statusCollection().parameters())
    {
        EXPECT_EQ(theUnavailableStatus.count(idOf(entry.first)) == 0, entry.second.available()) << entry.first;
    }
}

TEST_F(Kq310DefaultsTest, ModelRulesBoundCodingModeAndDataRate)
{
    EXPECT_EQ(3, minimumOf(control('B', 3)));
    EXPECT_EQ(7, maximumOf(control('B', 3)));
    EXPECT_EQ(11, minimumOf(control('B', 1)));
    EXPECT_EQ(18, maximumOf(control('B', 1)));
    EXPECT_EQ(1, maximumOf(control('B', 4)));
    EXPECT_EQ(7, maximumOf(control('B', 2)));
    EXPECT_EQ(0x24, maximumOf(status('F', 6)));
}

TEST_F(Kq310DefaultsTest, ReservedRowsStayLocalUnsavedAndUnavailable)
{
    const int reserved[] = {10, 11, 15, 16, 22, 23, 24, 25, 34, 35};
    for (int index : reserved)
    {
        ControlParameter& parameter = control('B', index);
        EXPECT_EQ(myTable->localProtocol(), parameter.owner()) << index;
        EXPECT_FALSE(parameter.restorable()) << index;
        EXPECT_FALSE(parameter.available()) << index;
    }
    EXPECT_EQ(&myProtocol, control('B', 9).owner());
    EXPECT_EQ(myTable->localProtocol(), control('O', 0).owner());
    EXPECT_TRUE(control('O', 0).restorable());
}

TEST_F(Kq310DefaultsTest, TwoChannelUnitStartsInTwoZero)
{
    RecordingKq310Values values(0);
    Protocol protocol(&values);
    Kq310ParameterTable table(&protocol);
    ControlCollection& controls = table.controlCollection();
    EXPECT_EQ(2, controls.find(ParameterId('B', 3)).value().toShort());
    EXPECT_EQ(0, controls.find(ParameterId('B', 4)).value().toShort());
    EXPECT_EQ(0, table.statusCollection().find(ParameterId('@', 1)).value().toShort());
    EXPECT_EQ(0, controls.find(ParameterId('B', 3)).minimum().toShort());
    EXPECT_EQ(6, controls.find(ParameterId('B', 1)).minimum().toShort());
    EXPECT_TRUE(controls.find(ParameterId('B', 9)).available());
    EXPECT_FALSE(controls.find(ParameterId('B', 4)).available());
}

TEST(Kq310OfflineDeviceTest, TakesWritesAndReadsThemBack)
{
    Kq310OfflineDevice device;
    ControlParameter& normalization = device.parameterTable().controlCollection().find(ParameterId('B', 5));
    normalization.setValue(ParameterValue(20));
    EXPECT_EQ(20, normalization.value().toShort());
    device.refresh();
    EXPECT_EQ(20, normalization.value().toShort());
    EXPECT_EQ(ParameterValue(20), device.values().values()[ParameterId('B', 5)]);
    EXPECT_EQ(ParameterValue(0), device.values().getValue(ParameterId('B', 20)));
}

TEST(OfflineKq310ValuesTest, StoresControlDefaultsWhereTheParametersReadThem)
{
    OfflineKq310Values values(1);
    EXPECT_EQ(ParameterValue(15), values.values()[ParameterId('B', 1)]);
    EXPECT_EQ(0u, values.values().count(ParameterId('A', 1)));
    EXPECT_EQ(ParameterValue(11), values.values()[ParameterId('@', 12)]);
    EXPECT_TRUE(values.getStatus().isOk());
}
