// The Reference Input page on KQ330 and KQ350 off-line devices: the status
// lists and the LED row of the stream-number byte follow the polled values.
#include "tests/Tessiva/Panels/UnitPageBench.h"

#include "Tessiva/Panels/Pages/ReferenceInputPage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ReferenceInputPageTest : public UnitPageBench
{
protected:
    ReferenceInputPageTest()
    {
        open(model());
        myPage = DevicePage::make<ReferenceInputPage>(&parent(), myKey, &myDocument);
    }
    ~ReferenceInputPageTest() override { myPage.reset(); }

    unsigned led(int aBit) { return myUser.control(ReferenceInputPage::firstLedId + aBit).image(); }

    std::unique_ptr<ReferenceInputPage> myPage;
};

TEST_P(ReferenceInputPageTest, StatusListsShowTheirTexts)
{
    struct Case
    {
        int listId;
        int index;
        int value;
        std::string text;
    };
    const Case cases[] = {
        {ReferenceInputPage::lockStatusId, 0, 0, "Not locked"},
        {ReferenceInputPage::lockStatusId, 0, 1, "Locked"},
        {ReferenceInputPage::sampleRateId, 1, 2, "32 kHz"},
        {ReferenceInputPage::integrityId, 2, 1, "Low"},
        {ReferenceInputPage::formatId, 3, 1, "Professional"},
        {ReferenceInputPage::audioBitId, 4, 1, "Non-audio"},
        {ReferenceInputPage::subcodeSampleRateId, 5, 3, "Not Indicated"},
        {ReferenceInputPage::subcodeSampleRateId, 5, 0, "48 kHz"},
    };
    for (const Case& each : cases)
    {
        report(ParameterId('b', each.index), ParameterValue(each.value));
        Platform::Window& list = myUser.control(each.listId);
        EXPECT_EQ(each.text, list.itemText(list.selection())) << each.listId << " = " << each.value;
    }
}

TEST_P(ReferenceInputPageTest, ListsFollowTheRangesAndTakeNoPick)
{
    Platform::Window& lock = myUser.control(ReferenceInputPage::lockStatusId);
    EXPECT_EQ(std::vector<std::string>({"Not locked", "Locked"}), lock.items());
    EXPECT_EQ(4, myUser.control(ReferenceInputPage::sampleRateId).itemCount());
    EXPECT_TRUE(lock.isReadOnly());
    report(ParameterId('b', 0), ParameterValue(0));
    myUser.pick(lock, 1);
    EXPECT_EQ(0, lock.selection());
}

TEST_P(ReferenceInputPageTest, LedRowShowsTheBitsOfTheStreamByte)
{
    report(ParameterId('b', 12), ParameterValue(0x81));
    for (int bit = 0; bit < 8; ++bit)
    {
        const bool lit = bit == 0 || bit == 7;
        EXPECT_EQ(lit ? ReferenceInputPage::ledOnBitmap : ReferenceInputPage::ledOffBitmap, led(bit)) << bit;
    }
    report(ParameterId('b', 12), ParameterValue(0x3C));
    for (int bit = 0; bit < 8; ++bit)
    {
        const bool lit = bit >= 2 && bit <= 5;
        EXPECT_EQ(lit ? ReferenceInputPage::ledOnBitmap : ReferenceInputPage::ledOffBitmap, led(bit)) << bit;
    }
}

TEST_P(ReferenceInputPageTest, TheLeftmostLedStandsForTheHighestBit)
{
    const Platform::Window& high = myUser.control(ReferenceInputPage::firstLedId + 7);
    const Platform::Window& low = myUser.control(ReferenceInputPage::firstLedId);
    EXPECT_LT(high.rectangle().left, low.rectangle().left);
}

INSTANTIATE_TEST_SUITE_P(Models, ReferenceInputPageTest, ::testing::Values(1, 2), modelName);

namespace
{
// The program's resources without the LED pictures.
const Platform::Resources& resourcesWithoutLeds()
{
    static const Platform::Resources theResources = []() {
        Platform::Resources resources;
        resources.addDialog(ReferenceInputPage::dialogTemplate());
        resources.strings().addRun(15000, {"Not locked", "Locked"});
        resources.strings().addRun(10101, {"48 kHz", "44.1 kHz", "32 kHz", "Not Indicated"});
        resources.strings().addRun(15010, {"High", "Low"});
        resources.strings().addRun(15020, {"Consumer", "Professional"});
        resources.strings().addRun(15040, {"Audio", "Non-audio"});
        return resources;
    }();
    return theResources;
}
}

class ReferenceInputPageWithoutLedsTest : public UnitPageBench
{
protected:
    ReferenceInputPageWithoutLedsTest() : UnitPageBench(resourcesWithoutLeds()) { open(model()); }
};

TEST_P(ReferenceInputPageWithoutLedsTest, AMissingLedIsReportedAndTheListsStay)
{
    myUser.expectMessageBox("Error loading the off led");
    ReferenceInputPage page(myKey, &myDocument);
    page.createIn(&parent());
    myUser.finish();
    report(ParameterId('b', 0), ParameterValue(1));
    Platform::Window& lock = myUser.control(ReferenceInputPage::lockStatusId);
    EXPECT_EQ("Locked", lock.itemText(lock.selection()));
    // The LED row keeps its template state.
    report(ParameterId('b', 12), ParameterValue(0xFF));
    EXPECT_EQ(ReferenceInputPage::ledOffBitmap, myUser.control(ReferenceInputPage::firstLedId).image());
}

INSTANTIATE_TEST_SUITE_P(Models, ReferenceInputPageWithoutLedsTest, ::testing::Values(1, 2), modelName);
