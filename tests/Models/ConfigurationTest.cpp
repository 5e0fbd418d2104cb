#include "Models/Kq310OfflineDevice.h"
#include "Models/ParameterTable.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace
{
int valueOf(Kq310OfflineDevice& aDevice, int aGroup, int anIndex)
{
    return aDevice.parameterTable().controlCollection().find(ParameterId(aGroup, anIndex)).value().toShort();
}

void request(Kq310OfflineDevice& aDevice, int aGroup, int anIndex, int aValue)
{
    aDevice.parameterTable().controlCollection().find(ParameterId(aGroup, anIndex)).setValue(ParameterValue(aValue));
}

std::uint32_t countOf(const std::string& aFile)
{
    std::uint32_t count = 0;
    for (int byte = 3; byte >= 0; --byte)
    {
        count = (count << 8) | static_cast<unsigned char>(aFile[byte]);
    }
    return count;
}
}

TEST(ConfigurationTest, SavedChangedAndRestored)
{
    Kq310OfflineDevice device;
    request(device, 'B', 5, 12);
    request(device, 'O', 0, 1);
    std::ostringstream saved;
    device.saveConfiguration(saved);
    // The 26 named coding rows, 11 encoder-state rows, 12 input/output rows and
    // the two local rows; no reserved row.
    EXPECT_EQ(51u, countOf(saved.str()));
    EXPECT_EQ(4u + 51u * (2 + 4 + 2) + 4u, saved.str().size());

    request(device, 'B', 5, 20);
    request(device, 'O', 0, 4);
    request(device, 'E', 3, 0x45);
    ASSERT_EQ(4, valueOf(device, 'O', 0));

    std::istringstream file(saved.str());
    device.restoreConfiguration(file);
    EXPECT_EQ(12, valueOf(device, 'B', 5));
    EXPECT_EQ(1, valueOf(device, 'O', 0));
    EXPECT_EQ(0, valueOf(device, 'E', 3));
    const int presetOne[] = {0, 1, 2, 3, 4, 5};
    for (int channel = 0; channel < 6; ++channel)
    {
        EXPECT_EQ(presetOne[channel], valueOf(device, 'H', channel)) << channel;
    }
}

TEST(ConfigurationTest, RestoresOntoAnotherDeviceOfTheModel)
{
    Kq310OfflineDevice first;
    request(first, 'B', 4, 0);
    request(first, 'B', 3, 2);
    request(first, 'B', 1, 7);
    std::ostringstream saved;
    first.saveConfiguration(saved);

    // The data rate can only drop once the coding mode has: the passes retry it.
    Kq310OfflineDevice second;
    std::istringstream file(saved.str());
    second.restoreConfiguration(file);
    EXPECT_EQ(2, valueOf(second, 'B', 3));
    EXPECT_EQ(7, valueOf(second, 'B', 1));
    EXPECT_EQ(0, valueOf(second, 'B', 4));
}

TEST(ConfigurationTest, DamagedFileIsRefused)
{
    Kq310OfflineDevice device;
    std::ostringstream saved;
    device.saveConfiguration(saved);
    std::string damaged = saved.str();
    damaged[20] = static_cast<char>(damaged[20] ^ 0x01);
    std::istringstream file(damaged);
    try
    {
        device.restoreConfiguration(file);
        FAIL() << "no error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("This is not a valid configuration file for this device", anError.what());
    }
}
