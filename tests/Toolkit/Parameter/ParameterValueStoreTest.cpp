#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/ParameterValueStore.h"

#include <gtest/gtest.h>

namespace
{
class ParameterValueStoreTest : public ::testing::Test
{
protected:
    ParameterValueStoreTest() : myProtocol(&myStore) {}

    ParameterValueStore myStore;
    Protocol myProtocol;
};

TEST_F(ParameterValueStoreTest, AnUnknownIdReadsAsZeroAndStaysInTheMap)
{
    EXPECT_EQ(ParameterValue(0), myStore.getValue(ParameterId('B', 3)));
    EXPECT_EQ(1u, myStore.values().count(ParameterId('B', 3)));
    EXPECT_EQ(2u, myStore.getValue(ParameterId('B', 3)).size());
}

TEST_F(ParameterValueStoreTest, SetFilesTheValueUnderTheNextGroup)
{
    myStore.values()[ParameterId('B', 3)] = ParameterValue(9);
    myStore.setValue(ParameterId('B', 3), ParameterValue(5), 500);
    EXPECT_EQ(ParameterValue(5), myStore.values()[ParameterId('C', 3)]);
    EXPECT_EQ(ParameterValue(9), myStore.getValue(ParameterId('B', 3)));
}

TEST_F(ParameterValueStoreTest, SetAndGetReadsBackWhatWasWrittenAndLeavesThePreviousGroupAlone)
{
    EXPECT_EQ(ParameterValue(std::string("Studio")), myProtocol.setAndGetValue(ParameterId('B', 3), ParameterValue(std::string("Studio")), 0));
    EXPECT_EQ(0u, myStore.values().count(ParameterId('A', 3)));
}

TEST_F(ParameterValueStoreTest, AListOfUnknownIdsReadsAZeroEachAndPassesTheCheck)
{
    ParameterValueMap result;
    myProtocol.getValues({ParameterId('I', 0), ParameterId('I', 1), ParameterId(0xF8, 0)}, result);
    ASSERT_EQ(3u, result.size());
    for (const auto& entry : result)
    {
        EXPECT_EQ(ParameterValue(0), entry.second);
    }
}

TEST_F(ParameterValueStoreTest, StatusIsAlwaysOk)
{
    const DeviceStatus status = myProtocol.getStatus();
    EXPECT_EQ("Ok", status.name());
    EXPECT_TRUE(status.isOk());
}

TEST_F(ParameterValueStoreTest, AControlParameterOverTheStoreReadsBackItsWrites)
{
    ControlParameter parameter(&myProtocol, ParameterId('O', 1), ParameterValue(0), ParameterValue(1));
    parameter.setValue(ParameterValue(1));
    EXPECT_EQ(ParameterValue(1), parameter.value());
    EXPECT_EQ(ParameterValue(1), myStore.values()[ParameterId('O', 1)]);
}
}
