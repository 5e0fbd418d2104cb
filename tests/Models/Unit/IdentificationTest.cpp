#include "UnitFixtures.h"

#include "Models/Unit/FirmwareRevisionCheck.h"
#include "Models/Unit/SameTextIgnoringCase.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(SameTextIgnoringCaseTest, FoldsOnlyLetterCase)
{
    struct Case
    {
        const char* left;
        const char* right;
        bool same;
    };
    const Case cases[] = {
        {"kq330", "KQ330", true}, {"Kq330", "kq330", true}, {"", "", true},          {"KQ330 ", "KQ330", false},
        {"KQ33", "KQ330", false}, {"KQ350", "KQ330", false}, {"\xE9", "\xC9", false}, {"a-b", "A-B", true},
    };
    for (const Case& each : cases)
    {
        EXPECT_EQ(each.same, sameTextIgnoringCase(each.left, each.right)) << each.left << " / " << each.right;
    }
}

TEST(FirmwareRevisionOrderTest, ComparesTextsNotNumbers)
{
    struct Case
    {
        const char* revision;
        const char* minimum;
        bool older;
    };
    const Case cases[] = {
        {"1.03", "1.03", false}, {"1.02", "1.03", true},  {"1.0", "1.03", true},   {"", "1.03", true},
        {"1.1", "1.11", true},   {"1.10", "1.11", true},  {"1.2", "1.11", false},  {"2.00", "1.11", false},
        {"10.0", "1.11", false}, {"x.xx", "1.03", false}, {"x.xx", "1.11", false}, {"1.111", "1.11", false},
        {"\xFF", "1.11", false},
    };
    for (const Case& each : cases)
    {
        EXPECT_EQ(each.older, FirmwareRevisionCheck::isOlder(each.revision, each.minimum))
            << each.revision << " against " << each.minimum;
    }
}

namespace
{
struct OpeningCase
{
    const UnitModel* model;
    const char* deviceType;
    const char* firmware;
    const char* error; // empty: the unit opens
};

std::ostream& operator<<(std::ostream& aStream, const OpeningCase& aCase)
{
    return aStream << *aCase.model << " reporting '" << aCase.deviceType << "' '" << aCase.firmware << "'";
}

class IdentificationTest : public ::testing::TestWithParam<OpeningCase>
{
};
}

TEST_P(IdentificationTest, ChecksDeviceTypeThenFirmware)
{
    const OpeningCase& each = GetParam();
    OfflineUnit unit(*each.model);
    unit.values().values()[ParameterId(0xF8, 0)] = ParameterValue(std::string(each.deviceType));
    unit.values().values()[ParameterId(0xF8, 1)] = ParameterValue(std::string(each.firmware));
    if (std::string(each.error).empty())
    {
        EXPECT_NO_THROW(unit.build());
        return;
    }
    try
    {
        unit.build();
        FAIL() << "opened";
    }
    catch (const VornaException& anError)
    {
        EXPECT_EQ(std::string(each.error), anError.what());
    }
    // Nothing of the failed table is left calling back from the protocol.
    EXPECT_EQ(nullptr, unit.values().idleCallback());
}

INSTANTIATE_TEST_SUITE_P(
    Units, IdentificationTest,
    ::testing::Values(
        OpeningCase{&UnitModel::kq330(), "KQ330", "1.03", ""}, OpeningCase{&UnitModel::kq330(), "kq330", "1.03", ""},
        OpeningCase{&UnitModel::kq330(), "Kq330", "x.xx", ""}, OpeningCase{&UnitModel::kq350(), "KQ350", "2.00", ""},
        OpeningCase{&UnitModel::kq350(), "KQ350", "10.0", ""}, OpeningCase{&UnitModel::kq350(), "kQ350", "1.2", ""},
        OpeningCase{&UnitModel::kq330(), "KQ350", "1.03", "This device appears to be a KQ350, not a KQ330"},
        OpeningCase{&UnitModel::kq350(), "kq330", "1.11", "This device appears to be a kq330, not a KQ350"},
        OpeningCase{&UnitModel::kq330(), "KQ330 ", "1.03", "This device appears to be a KQ330 , not a KQ330"},
        OpeningCase{&UnitModel::kq330(), "KQ33", "1.03", "This device appears to be a KQ33, not a KQ330"},
        // The type is checked first: a wrong model with old firmware reports the model.
        OpeningCase{&UnitModel::kq330(), "KQ310", "0.1", "This device appears to be a KQ310, not a KQ330"},
        OpeningCase{&UnitModel::kq330(), "KQ330", "1.02",
                    "This unit is at firmware revision 1.02 which does not fully support remote control.  Please "
                    "upgrade to at least firmware version 1.03"},
        OpeningCase{&UnitModel::kq330(), "KQ330", "",
                    "This unit is at firmware revision  which does not fully support remote control.  Please "
                    "upgrade to at least firmware version 1.03"},
        OpeningCase{&UnitModel::kq350(), "KQ350", "1.1",
                    "This unit is at firmware revision 1.1 which does not fully support remote control.  Please "
                    "upgrade to at least firmware version 1.11"},
        OpeningCase{&UnitModel::kq350(), "KQ350", "1.10",
                    "This unit is at firmware revision 1.10 which does not fully support remote control.  Please "
                    "upgrade to at least firmware version 1.11"}));

TEST(IdentificationRowsTest, TableTakesTheModelThatTheUnitReports)
{
    // A KQ330 table on a unit that says it is a KQ350 reads the KQ350's rows
    // before the check refuses it.
    OfflineUnit unit(UnitModel::kq330());
    unit.values().values()[ParameterId(0xF8, 0)] = ParameterValue(std::string("kq350"));
    EXPECT_THROW(unit.build(), VornaException);
    const std::vector<ParameterId>& reads = unit.recorder().reads();
    EXPECT_NE(std::find(reads.begin(), reads.end(), ParameterId('a', 1)), reads.end());
    EXPECT_EQ(std::find(reads.begin(), reads.end(), ParameterId('a', 0)), reads.end());
}

TEST(IdentificationRowsTest, UnknownModelGetsNeitherModelRow)
{
    OfflineUnit unit(UnitModel::kq350());
    unit.values().values()[ParameterId(0xF8, 0)] = ParameterValue(std::string("KQ999"));
    EXPECT_THROW(unit.build(), VornaException);
    const std::vector<ParameterId>& reads = unit.recorder().reads();
    EXPECT_EQ(std::find(reads.begin(), reads.end(), ParameterId('a', 0)), reads.end());
    EXPECT_EQ(std::find(reads.begin(), reads.end(), ParameterId('a', 1)), reads.end());
    EXPECT_NE(std::find(reads.begin(), reads.end(), ParameterId('a', 2)), reads.end());
}

TEST(IdentificationRowsTest, LaterChangeOfTheIdentificationIsCheckedAgain)
{
    OfflineUnit unit(UnitModel::kq350());
    UnitParameterTable& table = unit.build();
    Parameter& firmware = unit.status(0xF8, 1);
    EXPECT_EQ("Firmware Version: x.xx", unit.line(firmware));
    EXPECT_EQ("Device Type: KQ350", unit.line(unit.status(0xF8, 0)));

    ParameterValueMap newer;
    newer[ParameterId(0xF8, 1)] = ParameterValue(std::string("1.20"));
    EXPECT_NO_THROW(firmware.update(newer));
    ParameterValueMap older;
    older[ParameterId(0xF8, 1)] = ParameterValue(std::string("1.05"));
    EXPECT_THROW(firmware.update(older), VornaException);

    ParameterValueMap otherModel;
    otherModel[ParameterId(0xF8, 0)] = ParameterValue(std::string("KQ330"));
    EXPECT_THROW(unit.status(0xF8, 0).update(otherModel), VornaException);
    // The group is read once, at the opening: no poll asks for it.
    unit.recorder().clear();
    for (int poll = 0; poll < UnitParameterTable::startupPolls; ++poll)
    {
        table.dispatchQueued();
    }
    EXPECT_EQ(0u, unit.recorder().readsOfGroup(0xF8));
}
