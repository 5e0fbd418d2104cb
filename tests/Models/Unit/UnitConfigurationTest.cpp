#include "UnitFixtures.h"

#include "Models/Unit/Kq330OfflineDevice.h"
#include "Models/Unit/Kq350OfflineDevice.h"
#include "Toolkit/Parameter/ConfigurationContents.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace
{
std::set<ParameterId> savedIds(Device& aDevice)
{
    std::stringstream file;
    aDevice.saveConfiguration(file);
    const ConfigurationContents contents(file);
    std::set<ParameterId> ids;
    for (const ParameterValueMap::value_type& record : contents)
    {
        ids.insert(record.first);
    }
    return ids;
}

// The restorable rows of a unit table, by hand: the named coding rows but the
// sample rate, the encoder state and time code but record-play, the outputs,
// the local routing and time-code switches, the unit rows but the preset
// commands and fields, and the local coding-delay pair.
std::set<ParameterId> expectedIds(bool aKq350)
{
    std::set<ParameterId> ids;
    const int coding[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 14, 17, 18, 19, 20, 21, 26, 27, 28, 29, 30, 31, 32, 33};
    for (int index : coding)
    {
        ids.insert(ParameterId('B', index));
    }
    ids.insert(ParameterId('E', 0));
    for (int index = 2; index <= 10; ++index)
    {
        ids.insert(ParameterId('E', index));
    }
    for (int index = 6; index <= 9; ++index)
    {
        ids.insert(ParameterId('H', index));
    }
    ids.insert(ParameterId('O', 0));
    ids.insert(ParameterId('O', 1));
    ids.insert(ParameterId('a', aKq350 ? 1 : 0));
    const int unit[] = {2, 3, 4, 5, 6, 7, 8, 11, 14, 15};
    for (int index : unit)
    {
        ids.insert(ParameterId('a', index));
    }
    ids.insert(ParameterId('o', 0));
    ids.insert(ParameterId('o', 1));
    return ids;
}

ControlParameter& control(UnitOfflineDevice& aDevice, int aGroup, int anIndex)
{
    return aDevice.unitTable().controlCollection().find(ParameterId(aGroup, anIndex));
}

void request(UnitOfflineDevice& aDevice, int aGroup, int anIndex, const ParameterValue& aValue)
{
    control(aDevice, aGroup, anIndex).setValue(aValue);
}
}

TEST(UnitConfigurationTest, SavesTheRestorableRowsOnly)
{
    Kq330OfflineDevice kq330;
    EXPECT_EQ(expectedIds(false), savedIds(kq330));
    Kq350OfflineDevice kq350;
    EXPECT_EQ(expectedIds(true), savedIds(kq350));
}

TEST(UnitConfigurationTest, RestoreBringsTheSettingsBack)
{
    Kq330OfflineDevice device;
    request(device, 'B', 1, ParameterValue(14));
    request(device, 'o', 1, ParameterValue(150));
    request(device, 'a', 2, ParameterValue(4));
    request(device, 'a', 6, ParameterValue(1));
    request(device, 'a', 14, ParameterValue(std::string("Studio 4")));
    ASSERT_EQ(150, control(device, 'a', 5).value().toShort());
    std::stringstream file;
    device.saveConfiguration(file);

    request(device, 'a', 6, ParameterValue(0));
    request(device, 'a', 2, ParameterValue(0));
    request(device, 'o', 0, ParameterValue(1));
    request(device, 'B', 1, ParameterValue(18));
    request(device, 'a', 14, ParameterValue(std::string("Other")));
    request(device, 'a', 9, ParameterValue(3));
    ASSERT_EQ(-1, control(device, 'a', 5).value().toShort());

    device.restoreConfiguration(file);
    EXPECT_EQ(14, control(device, 'B', 1).value().toShort());
    EXPECT_EQ(4, control(device, 'a', 2).value().toShort());
    EXPECT_EQ(1, control(device, 'a', 6).value().toShort());
    EXPECT_EQ("Studio 4", control(device, 'a', 14).value().toString());
    EXPECT_EQ(150, control(device, 'a', 5).value().toShort());
    EXPECT_EQ(0, control(device, 'o', 0).value().toShort());
    EXPECT_EQ(150, control(device, 'o', 1).value().toShort());
    EXPECT_EQ(76, control(device, 'o', 1).minimum().toShort());
    EXPECT_EQ(0, control(device, 'a', 9).value().toShort()) << "a restored setting gives up the recalled preset";
    EXPECT_EQ("Studio 4", device.values().values()[ParameterId('a', 14)].toString()) << "and reaches the unit";
}

TEST(UnitConfigurationTest, ConfigurationMovesToAnotherUnitOfTheModel)
{
    Kq350OfflineDevice first;
    request(first, 'a', 1, ParameterValue(3));
    request(first, 'B', 26, ParameterValue(4));
    std::stringstream file;
    first.saveConfiguration(file);
    Kq350OfflineDevice second;
    second.restoreConfiguration(file);
    EXPECT_EQ("Bit Stream Mode: Mode 4: L/R,  C/LFE, Ls/Rs",
              [&] {
                  std::ostringstream line;
                  writeTextLine(line, control(second, 'a', 1));
                  return line.str();
              }());
    EXPECT_EQ(4, control(second, 'B', 26).value().toShort());
}

TEST(UnitConfigurationTest, ConfigurationOfTheOtherModelIsRefused)
{
    // The KQ350's 3/2 is beyond a two-channel KQ330.
    Kq350OfflineDevice kq350;
    std::stringstream file;
    kq350.saveConfiguration(file);
    Kq330OfflineDevice kq330;
    try
    {
        kq330.restoreConfiguration(file);
        FAIL() << "restored";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("This is not a valid configuration file for this device", anError.what());
    }
    EXPECT_EQ(2, control(kq330, 'B', 3).value().toShort());
}

TEST(UnitConfigurationTest, RefusedFileLeavesTheOfflineUnitAsItWas)
{
    Kq350OfflineDevice kq350;
    request(kq350, 'a', 2, ParameterValue(4));
    request(kq350, 'a', 14, ParameterValue(std::string("Studio 4")));
    std::stringstream file;
    kq350.saveConfiguration(file);
    Kq330OfflineDevice kq330;
    std::ostringstream before;
    kq330.saveConfiguration(before);
    const ParameterValueMap unitBefore = kq330.values().values();
    EXPECT_THROW(kq330.restoreConfiguration(file), VornaException);
    std::ostringstream after;
    kq330.saveConfiguration(after);
    EXPECT_EQ(before.str(), after.str());
    EXPECT_EQ(unitBefore, kq330.values().values());
}
