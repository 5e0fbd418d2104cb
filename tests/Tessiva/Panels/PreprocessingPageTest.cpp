// The Preprocessing page on off-line devices of both page sets: the filter
// and processing switches, the compression preset, the three views of the
// digital de-emphasis and the compressor meters.
#include "tests/Tessiva/Panels/CommonPageBench.h"

#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Toolkit/Controls/MeterObserver.h"

#include <memory>
#include <vector>

namespace
{
const ParameterId theDeemphasis('B', 33);
const ParameterId theDetectedDeemphasis('C', 1);
}

class PreprocessingPageTest : public CommonPageBench, public ::testing::WithParamInterface<int>
{
protected:
    PreprocessingPageTest()
    {
        openOffLine(static_cast<Model>(GetParam()));
        myPage = DevicePage::make<PreprocessingPage>(&parent(), myKey, &myDocument);
    }

    ~PreprocessingPageTest() override { myPage.reset(); }

    Platform::Window& box(int anId) { return myPage->control(anId); }
    bool kq310() const { return GetParam() == Kq310; }

    std::unique_ptr<PreprocessingPage> myPage;
};

TEST_P(PreprocessingPageTest, EachSwitchShowsAndTogglesItsParameter)
{
    const std::pair<int, int> switches[] = {{PreprocessingPage::lfeLowpassId, 30},
                                            {PreprocessingPage::dcHighpassId, 28},
                                            {PreprocessingPage::bandwidthLowpassId, 29},
                                            {PreprocessingPage::phaseShiftId, 31},
                                            {PreprocessingPage::attenuationId, 32},
                                            {PreprocessingPage::overmodulationId, 27}};
    // Every mode with surround channels: the surround switches are available.
    request(ParameterId('B', 1), 18);
    request(ParameterId('B', 3), 7);
    for (const auto& each : switches)
    {
        SCOPED_TRACE(each.first);
        const ParameterId id('B', each.second);
        const short before = value(id);
        EXPECT_EQ(before == 1, box(each.first).isChecked());
        ASSERT_TRUE(myUser.click(each.first));
        EXPECT_EQ(before == 1 ? 0 : 1, value(id));
        EXPECT_EQ(before != 1, box(each.first).isChecked());
    }
}

TEST_P(PreprocessingPageTest, TheCompressionPresetIsChosenByName)
{
    Platform::Window& presets = box(PreprocessingPage::compressionId);
    ASSERT_EQ(6, presets.itemCount());
    EXPECT_EQ("None", presets.itemText(0));
    ASSERT_TRUE(myUser.pick(PreprocessingPage::compressionId, 5));
    EXPECT_EQ(5, value(ParameterId('B', 26)));
    EXPECT_EQ("Speech", presets.text());
}

TEST_P(PreprocessingPageTest, AutomaticDeemphasisShowsWhatTheUnitDetects)
{
    request(theDeemphasis, -1);
    report(theDetectedDeemphasis, 1);
    EXPECT_TRUE(box(PreprocessingPage::deemphasisAutoId).isChecked());
    EXPECT_FALSE(box(PreprocessingPage::deemphasisId).isShown());
    ASSERT_TRUE(box(PreprocessingPage::detectedDeemphasisId).isShown());
    EXPECT_EQ("On", box(PreprocessingPage::detectedDeemphasisId).itemText(
                        box(PreprocessingPage::detectedDeemphasisId).selection()));
    // The hidden choice cannot be reached.
    EXPECT_FALSE(myUser.pick(PreprocessingPage::deemphasisId, 1));

    ASSERT_TRUE(myUser.click(PreprocessingPage::deemphasisAutoId));
    EXPECT_EQ(0, value(theDeemphasis));
    EXPECT_FALSE(box(PreprocessingPage::deemphasisAutoId).isChecked());
    ASSERT_TRUE(box(PreprocessingPage::deemphasisId).isShown());
    EXPECT_EQ("Off", box(PreprocessingPage::deemphasisId).text());
    EXPECT_FALSE(box(PreprocessingPage::detectedDeemphasisId).isShown());

    ASSERT_TRUE(myUser.click(PreprocessingPage::deemphasisAutoId));
    EXPECT_EQ(-1, value(theDeemphasis));
}

TEST_P(PreprocessingPageTest, TheDeemphasisChoiceFollowsTheParameterRange)
{
    request(theDeemphasis, 0);
    Platform::Window& choice = box(PreprocessingPage::deemphasisId);
    const std::vector<std::string> expected =
        kq310() ? std::vector<std::string>{"Auto", "Off", "On"} : std::vector<std::string>{"Auto", "Off"};
    EXPECT_EQ(expected, choice.items());
    EXPECT_EQ("Off", choice.text());
    if (kq310())
    {
        ASSERT_TRUE(myUser.pick(PreprocessingPage::deemphasisId, 2));
        EXPECT_EQ(1, value(theDeemphasis));
        ASSERT_TRUE(myUser.pick(PreprocessingPage::deemphasisId, 1));
        EXPECT_EQ(0, value(theDeemphasis));
    }
    ASSERT_TRUE(myUser.pick(PreprocessingPage::deemphasisId, 0));
    EXPECT_EQ(-1, value(theDeemphasis));
    EXPECT_FALSE(choice.isShown());
}

TEST_P(PreprocessingPageTest, MetersScaleTheCompressorWords)
{
    struct Case
    {
        int index;
        int raw;
        double level;
    };
    const Case cases[] = {{10, 16, 0.0},   {10, 17, -0.564453125}, {10, 0, 0.0},  {10, 123, -60.0},
                          {12, 128, 0.0},  {12, 0, -24.0},         {12, 256, 24.0}, {14, 128, 0.0},
                          {14, 64, -24.0}, {14, 30, -24.0},        {14, 192, 24.0}, {14, 300, 24.0}};
    for (const Case& each : cases)
    {
        SCOPED_TRACE(std::to_string(each.index) + " " + std::to_string(each.raw));
        const MeterObserver* meter = each.index == 10   ? myPage->inputLevelMeter()
                                     : each.index == 12 ? myPage->lineModeMeter()
                                                        : myPage->rfModeMeter();
        ASSERT_NE(nullptr, meter);
        report(ParameterId('C', each.index), each.raw);
        EXPECT_TRUE(meter->drawn());
        EXPECT_DOUBLE_EQ(each.level, meter->lastLevel());
    }
}

INSTANTIATE_TEST_SUITE_P(Models, PreprocessingPageTest, ::testing::Values(0, 2),
                         [](const ::testing::TestParamInfo<int>& anInfo) {
                             return std::string(anInfo.param == 0 ? "Kq310" : "Kq350");
                         });

class PreprocessingPageWithoutDeviceTest : public CommonPageBench
{
};

TEST_F(PreprocessingPageWithoutDeviceTest, APageForAClosedDeviceBindsNothingAndReportsNothing)
{
    const DeviceKey key = openOffLine(Kq310);
    myDocument.closeDevice(key);
    PreprocessingPage page(key, &myDocument);
    page.createIn(&parent());
    ASSERT_NE(nullptr, page.window());
    // No message box or dialog comes up: an unscripted one fails the script.
    EXPECT_TRUE(myUser.click(PreprocessingPage::lfeLowpassId));
    EXPECT_TRUE(myUser.pick(PreprocessingPage::compressionId, 2));
    EXPECT_TRUE(myUser.click(PreprocessingPage::deemphasisAutoId));
    myUser.finish();
    EXPECT_FALSE(myDocument.hasDevice(key));
}
