// The KQ330/KQ350 Time Code page on off-line devices: the common page's
// controls still bound, the time-code source, and the pending and current
// presets carrying the unit's preset names.
#include "tests/Tessiva/Panels/UnitPageBench.h"

#include "Tessiva/Panels/Pages/UnitTimeCodePage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class UnitTimeCodePageTest : public UnitPageBench
{
protected:
    UnitTimeCodePageTest()
    {
        open(model());
        myPage = DevicePage::make<UnitTimeCodePage>(&parent(), myKey, &myDocument);
    }
    ~UnitTimeCodePageTest() override { myPage.reset(); }

    Platform::Window& pending() { return myUser.control(UnitTimeCodePage::pendingPresetId); }
    Platform::Window& current() { return myUser.control(UnitTimeCodePage::currentPresetId); }

    std::unique_ptr<UnitTimeCodePage> myPage;
};

TEST_P(UnitTimeCodePageTest, TheCommonPageIsStillBound)
{
    EXPECT_EQ(std::vector<std::string>({"Not present", "Present"}),
              myUser.control(TimeCodePage::inputStatusId).items());
    report(ParameterId('F', 1), ParameterValue(1));
    EXPECT_EQ(1, myUser.control(TimeCodePage::inputStatusId).selection());
}

TEST_P(UnitTimeCodePageTest, SourceOffersBothTimeCodesAndRequestsTheChoice)
{
    Platform::Window& source = myUser.control(UnitTimeCodePage::sourceId);
    EXPECT_EQ(std::vector<std::string>({"Longitudinal Time Code (LTC)", "Vertical Interval Time Code (VITC)"}),
              source.items());
    ASSERT_TRUE(myUser.pick(source, 1));
    EXPECT_EQ(1, controlValue(ParameterId('a', 7)));
    EXPECT_EQ("Vertical Interval Time Code (VITC)", source.text());
    ASSERT_TRUE(myUser.pick(source, 0));
    EXPECT_EQ(0, controlValue(ParameterId('a', 7)));
}

TEST_P(UnitTimeCodePageTest, BothPresetBoxesListNoneAndThirtyTwoPresets)
{
    for (Platform::Window* box : {&pending(), &current()})
    {
        ASSERT_EQ(33, box->itemCount());
        EXPECT_EQ("None", box->itemText(0));
    }
    for (int k : {5, 0, 32})
    {
        ASSERT_TRUE(myUser.pick(pending(), k)) << k;
        EXPECT_EQ(k, controlValue(ParameterId('a', 15)));
        EXPECT_EQ(k, pending().selection());
    }
    report(ParameterId('b', 8), ParameterValue(7));
    EXPECT_EQ(7, current().selection());
}

TEST_P(UnitTimeCodePageTest, PresetEntriesCarryTheNamesAndKeepTheSelection)
{
    myUser.pick(pending(), 3);
    report(ParameterId('b', 8), ParameterValue(3));
    request(ParameterId('d', 2), ParameterValue(std::string("Studio A")));
    for (Platform::Window* box : {&pending(), &current()})
    {
        EXPECT_EQ("Preset 2", box->itemText(2));
        EXPECT_EQ("Studio A", box->itemText(3));
        EXPECT_EQ(3, box->selection());
    }
    request(ParameterId('d', 2), ParameterValue(std::string("Studio B")));
    EXPECT_EQ("Studio B", pending().itemText(3));
    EXPECT_EQ("Studio B", current().itemText(3));
    EXPECT_EQ(3, pending().selection());
}

INSTANTIATE_TEST_SUITE_P(Models, UnitTimeCodePageTest, ::testing::Values(1, 2), modelName);
