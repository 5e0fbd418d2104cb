// The Dual Mono page on KQ330 and KQ350 off-line devices: the second
// channel's settings shown and requested, and its three compression meters.
#include "tests/Tessiva/Panels/UnitPageBench.h"

#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Toolkit/Controls/MeterObserver.h"

#include <gtest/gtest.h>

#include <memory>

class DualMonoPageTest : public UnitPageBench
{
protected:
    DualMonoPageTest()
    {
        open(model());
        myPage = DevicePage::make<DualMonoPage>(&parent(), myKey, &myDocument);
    }
    ~DualMonoPageTest() override { myPage.reset(); }

    // Audio coding mode 1+1, where the page's settings apply.
    void codeDualMono(bool aProductionInfo)
    {
        // No LFE, a main service and a rate that allows 1+1 (384 kbps).
        request(ParameterId('B', 4), ParameterValue(0));
        request(ParameterId('B', 2), ParameterValue(0));
        request(ParameterId('B', 1), ParameterValue(14));
        request(ParameterId('B', 3), ParameterValue(0));
        ASSERT_EQ(0, controlValue(ParameterId('B', 3)));
        request(ParameterId('B', 17), ParameterValue(aProductionInfo ? 1 : 0));
    }

    std::unique_ptr<DualMonoPage> myPage;
};

TEST_P(DualMonoPageTest, ControlsFollowTheAvailabilityOfTheirParameters)
{
    request(ParameterId('B', 3), ParameterValue(2));
    for (int id : {DualMonoPage::infoExistsId, DualMonoPage::dialogNormalizationId, DualMonoPage::mixLevelId,
                   DualMonoPage::roomTypeId})
    {
        EXPECT_FALSE(myUser.control(id).isEnabled()) << id;
    }
    EXPECT_FALSE(myUser.pick(DualMonoPage::dialogNormalizationId, 3));
    codeDualMono(false);
    EXPECT_TRUE(myUser.control(DualMonoPage::infoExistsId).isEnabled());
    EXPECT_TRUE(myUser.control(DualMonoPage::dialogNormalizationId).isEnabled());
    EXPECT_FALSE(myUser.control(DualMonoPage::mixLevelId).isEnabled());
    codeDualMono(true);
    EXPECT_TRUE(myUser.control(DualMonoPage::mixLevelId).isEnabled());
    EXPECT_TRUE(myUser.control(DualMonoPage::roomTypeId).isEnabled());
}

TEST_P(DualMonoPageTest, ShowsTheSecondChannelSettings)
{
    codeDualMono(true);
    Platform::Window& dialNorm = myUser.control(DualMonoPage::dialogNormalizationId);
    // 1..31: "Reserved" is gone once attached.
    ASSERT_EQ(31, dialNorm.itemCount());
    EXPECT_EQ("-1 dB", dialNorm.itemText(0));
    EXPECT_EQ("-31 dB", dialNorm.itemText(30));
    EXPECT_EQ(controlValue(ParameterId('B', 6)) - 1, dialNorm.selection());

    request(ParameterId('B', 6), ParameterValue(27));
    EXPECT_EQ("-27 dB", dialNorm.text());
    request(ParameterId('B', 19), ParameterValue(2));
    EXPECT_EQ("Small room, flat monitor", myUser.control(DualMonoPage::roomTypeId).text());
    request(ParameterId('B', 18), ParameterValue(5));
    EXPECT_EQ("85 dB SPL", myUser.control(DualMonoPage::mixLevelId).text());
}

TEST_P(DualMonoPageTest, UserChoicesReachTheDevice)
{
    struct Case
    {
        int controlId;
        int item;
        ParameterId id;
        short value;
    };
    const Case cases[] = {
        {DualMonoPage::dialogNormalizationId, 19, ParameterId('B', 6), 20},
        {DualMonoPage::mixLevelId, 31, ParameterId('B', 18), 31},
        {DualMonoPage::roomTypeId, 1, ParameterId('B', 19), 1},
    };
    codeDualMono(true);
    for (const Case& each : cases)
    {
        ASSERT_TRUE(myUser.pick(each.controlId, each.item)) << each.controlId;
        EXPECT_EQ(each.value, controlValue(each.id)) << each.controlId;
        EXPECT_EQ(each.item, myUser.control(each.controlId).selection()) << each.controlId;
    }
}

TEST_P(DualMonoPageTest, InfoExistsClicksRequestOneAndZero)
{
    codeDualMono(false);
    Platform::Window& box = myUser.control(DualMonoPage::infoExistsId);
    const short before = controlValue(ParameterId('B', 17));
    myUser.click(box);
    EXPECT_EQ(before == 0 ? 1 : 0, controlValue(ParameterId('B', 17)));
    EXPECT_EQ(before == 0, box.isChecked());
    myUser.click(box);
    EXPECT_EQ(before, controlValue(ParameterId('B', 17)));
    EXPECT_EQ(before != 0, box.isChecked());
}

TEST_P(DualMonoPageTest, MetersScaleTheirRawValues)
{
    struct Case
    {
        ParameterId id;
        int raw;
        double level;
    };
    const Case cases[] = {
        {ParameterId('C', 11), 0, 0.0},          {ParameterId('C', 11), 17, -0.564453125},
        {ParameterId('C', 11), 123, -60.0},      {ParameterId('C', 11), 500, -60.0},
        {ParameterId('C', 13), 0, -24.0},        {ParameterId('C', 13), 128, 0.0},
        {ParameterId('C', 13), 256, 24.0},       {ParameterId('C', 15), 0, -24.0},
        {ParameterId('C', 15), 160, 12.0},       {ParameterId('C', 15), 256, 24.0},
    };
    codeDualMono(false);
    for (const Case& each : cases)
    {
        report(each.id, ParameterValue(each.raw));
        const MeterObserver* meter = each.id.index() == 11   ? myPage->inputLevelMeter()
                                     : each.id.index() == 13 ? myPage->lineModeMeter()
                                                             : myPage->rfModeMeter();
        ASSERT_TRUE(meter != nullptr);
        EXPECT_TRUE(meter->drawn());
        EXPECT_DOUBLE_EQ(each.level, meter->lastLevel()) << each.id.index() << " raw " << each.raw;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, DualMonoPageTest, ::testing::Values(1, 2), modelName);
