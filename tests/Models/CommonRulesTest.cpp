#include "Models/ParameterTable.h"
#include "Models/OfflineKq310Values.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// The common table alone, without a model's data-rate and coding-mode rules.
class CommonTable : public ParameterTable
{
public:
    explicit CommonTable(AbstractProtocol* anOwner)
        : ParameterTable(anOwner)
    {
    }
};
}

TEST(CommonRulesTest, CodingModeRuleStopsAtTheLfeBound)
{
    OfflineKq310Values values(1);
    Protocol protocol(&values);
    CommonTable table(&protocol);
    ControlCollection& controls = table.controlCollection();
    StatusCollection& status = table.statusCollection();
    ControlParameter& mode = controls.find(ParameterId('B', 3));
    try
    {
        mode.setValue(ParameterValue(2));
        FAIL() << "no error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_EQ(std::string("The device appears to be in an inconsistent state.  Low Frequency Effects Channel: "
                              "On is incompatible with another parameter value."),
                  anError.what());
    }
    EXPECT_EQ(2, mode.value().toShort());
    // Orders 1 to 11 ran up to the LFE bound ...
    EXPECT_FALSE(status.find(ParameterId('C', 5)).available());
    EXPECT_FALSE(status.find(ParameterId('C', 8)).available());
    EXPECT_FALSE(controls.find(ParameterId('B', 7)).available());
    EXPECT_FALSE(controls.find(ParameterId('B', 4)).available());
    EXPECT_EQ(1, controls.find(ParameterId('B', 4)).maximum().toShort());
    // ... and orders 12 to 20 did not.
    EXPECT_TRUE(controls.find(ParameterId('B', 32)).available());
    EXPECT_TRUE(controls.find(ParameterId('B', 8)).available());
    EXPECT_FALSE(controls.find(ParameterId('B', 9)).available());
}

TEST(CommonRulesTest, WithoutModelRulesTheCodingModeKeepsItsFullRange)
{
    OfflineKq310Values values(1);
    Protocol protocol(&values);
    CommonTable table(&protocol);
    const ControlParameter& mode = table.controlCollection().find(ParameterId('B', 3));
    EXPECT_EQ(0, mode.minimum().toShort());
    EXPECT_EQ(7, mode.maximum().toShort());
    EXPECT_EQ(3u, table.pollRing().size());
}
