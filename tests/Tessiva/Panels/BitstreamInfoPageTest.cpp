// The Bitstream Info page on off-line devices of both page sets, and its two
// error paths against an emulated unit that stops answering.
#include "tests/Tessiva/Panels/CommonPageBench.h"

#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"
#include "Tessiva/Panels/Pages/InputOutputPage.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/TimeCodePage.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq310Unit.h"

#include <memory>
#include <optional>
#include <string>

namespace
{
const ParameterId theCopyright('B', 20);
const ParameterId theOriginal('B', 21);
const ParameterId theInfoExists('B', 12);
const ParameterId theCodingMode('B', 3);
const ParameterId theMixLevel('B', 13);
const ParameterId theRoomType('B', 14);
}

class BitstreamInfoPageTest : public CommonPageBench, public ::testing::WithParamInterface<int>
{
protected:
    std::unique_ptr<BitstreamInfoPage> makePage()
    {
        openOffLine(static_cast<Model>(GetParam()));
        auto page = DevicePage::make<BitstreamInfoPage>(&parent(), myKey, &myDocument);
        page->showWindow(true);
        return page;
    }
};

TEST_P(BitstreamInfoPageTest, StartsHiddenAndShowsTheDeviceValues)
{
    openOffLine(static_cast<Model>(GetParam()));
    request(theCopyright, 1);
    request(theInfoExists, 1);
    request(theMixLevel, 31);
    openOffLine(static_cast<Model>(GetParam()));
    // A second device: the page must show its own values, not the first one's.
    request(theOriginal, 1);
    BitstreamInfoPage page(myKey, &myDocument);
    page.createIn(&parent());
    ASSERT_NE(nullptr, page.window());
    EXPECT_FALSE(page.window()->isShown());
    EXPECT_FALSE(page.control(BitstreamInfoPage::copyrightBitId).isChecked());
    EXPECT_TRUE(page.control(BitstreamInfoPage::originalBitstreamId).isChecked());
    Platform::Window& mixLevel = page.control(BitstreamInfoPage::mixLevelId);
    ASSERT_EQ(32, mixLevel.itemCount());
    EXPECT_EQ("80 dB SPL", mixLevel.itemText(0));
    EXPECT_EQ("111 dB SPL", mixLevel.itemText(31));
    EXPECT_EQ("Not indicated", page.control(BitstreamInfoPage::roomTypeId).itemText(0));
    EXPECT_EQ("Vorna Surround encoded", page.control(BitstreamInfoPage::surroundModeId).itemText(2));
}

TEST_P(BitstreamInfoPageTest, UserChoicesReachTheDevice)
{
    std::unique_ptr<BitstreamInfoPage> page = makePage();
    request(theInfoExists, 1);
    const short copyright = value(theCopyright);
    ASSERT_TRUE(myUser.click(BitstreamInfoPage::copyrightBitId));
    EXPECT_EQ(copyright == 0 ? 1 : 0, value(theCopyright));
    EXPECT_EQ(copyright == 0, page->control(BitstreamInfoPage::copyrightBitId).isChecked());

    ASSERT_TRUE(myUser.click(BitstreamInfoPage::originalBitstreamId));
    ASSERT_TRUE(myUser.pick(BitstreamInfoPage::mixLevelId, 31));
    EXPECT_EQ(31, value(theMixLevel));
    EXPECT_EQ("111 dB SPL", page->control(BitstreamInfoPage::mixLevelId).text());
    ASSERT_TRUE(myUser.pick(BitstreamInfoPage::roomTypeId, 2));
    EXPECT_EQ(2, value(theRoomType));
    myUser.finish();
}

TEST_P(BitstreamInfoPageTest, InfoExistsGatesMixLevelAndRoomType)
{
    std::unique_ptr<BitstreamInfoPage> page = makePage();
    request(theInfoExists, 1);
    request(theMixLevel, 5);
    ASSERT_TRUE(myUser.click(BitstreamInfoPage::infoExistsId));
    EXPECT_EQ(0, value(theInfoExists));
    EXPECT_FALSE(page->control(BitstreamInfoPage::mixLevelId).isEnabled());
    EXPECT_FALSE(page->control(BitstreamInfoPage::roomTypeId).isEnabled());
    ASSERT_TRUE(myUser.click(BitstreamInfoPage::infoExistsId));
    EXPECT_TRUE(page->control(BitstreamInfoPage::mixLevelId).isEnabled());
    EXPECT_TRUE(page->control(BitstreamInfoPage::roomTypeId).isEnabled());
    EXPECT_EQ("85 dB SPL", page->control(BitstreamInfoPage::mixLevelId).text());
}

TEST_P(BitstreamInfoPageTest, TheCodingModeDecidesWhichMixControlsAreEnabled)
{
    struct Case
    {
        int mode;
        bool centerMix;
        bool surroundMix;
        bool surroundMode;
    };
    const Case cases[] = {{1, false, false, false}, {2, false, false, true}, {3, true, false, false},
                          {4, false, true, false},  {5, true, true, false},  {7, true, true, false}};
    std::unique_ptr<BitstreamInfoPage> page = makePage();
    // The top data rate and no LFE channel leave every mode open.
    request(ParameterId('B', 1), 18);
    request(ParameterId('B', 4), 0);
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.mode);
        request(theCodingMode, each.mode);
        ASSERT_EQ(each.mode, value(theCodingMode));
        EXPECT_EQ(each.centerMix, page->control(BitstreamInfoPage::centerMixLevelId).isEnabled());
        EXPECT_EQ(each.surroundMix, page->control(BitstreamInfoPage::surroundMixLevelId).isEnabled());
        EXPECT_EQ(each.surroundMode, page->control(BitstreamInfoPage::surroundModeId).isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Models, BitstreamInfoPageTest, ::testing::Values(0, 2),
                         [](const ::testing::TestParamInfo<int>& anInfo) {
                             return std::string(anInfo.param == 0 ? "Kq310" : "Kq350");
                         });

class BitstreamInfoPageErrorTest : public CommonPageBench
{
protected:
    BitstreamInfoPageErrorTest()
    {
        myEmulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
        openOnLine(myEmulator.devicePath());
        myPage = DevicePage::make<BitstreamInfoPage>(&parent(), myKey, &myDocument);
        myPage->showWindow(true);
        myEmulator.injectFault(kq310Address, Emulator::UnitFault::silent(Emulator::UnitFault::forever));
    }

    ~BitstreamInfoPageErrorTest() override { myPage.reset(); }

    Emulator::UnitEmulator myEmulator;
    std::unique_ptr<BitstreamInfoPage> myPage;
};

TEST_F(BitstreamInfoPageErrorTest, AFailedOriginalBitstreamWriteIsOnlyTold)
{
    const bool checked = myPage->control(BitstreamInfoPage::originalBitstreamId).isChecked();
    myUser.expectMessageBox("No response when expecting an ACK.");
    ASSERT_TRUE(myUser.click(BitstreamInfoPage::originalBitstreamId));
    myUser.finish();
    EXPECT_TRUE(myDocument.hasDevice(myKey));
    EXPECT_EQ(checked, myPage->control(BitstreamInfoPage::originalBitstreamId).isChecked());
}

TEST_F(BitstreamInfoPageErrorTest, AFailedCopyrightWriteBringsUpTheCommunicationsError)
{
    const bool checked = myPage->control(BitstreamInfoPage::copyrightBitId).isChecked();
    myUser.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Platform::Window&) {
        EXPECT_EQ(checked, myPage->control(BitstreamInfoPage::copyrightBitId).isChecked());
        myUser.click(2);
    });
    ASSERT_TRUE(myUser.click(BitstreamInfoPage::copyrightBitId));
    myUser.finish();
    EXPECT_FALSE(myDocument.hasDevice(myKey));
}

TEST(CommonPageResourcesTest, EveryPageNamesItsTab)
{
    Platform::Resources resources;
    BitstreamInfoPage::addResources(resources);
    PreprocessingPage::addResources(resources);
    TimeCodePage::addResources(resources);
    InputOutputPage::addResources(resources);
    const std::pair<unsigned, const char*> labels[] = {{BitstreamInfoPage::labelStringId, "Bitstream Info"},
                                                       {PreprocessingPage::labelStringId, "Preprocessing"},
                                                       {TimeCodePage::labelStringId, "Time Code"},
                                                       {InputOutputPage::labelStringId, "Input/Output"}};
    for (const auto& label : labels)
    {
        EXPECT_EQ(std::optional<std::string>(label.second), resources.strings().find(label.first));
        EXPECT_NE(nullptr, resources.dialog(label.first));
    }
    EXPECT_NE(nullptr, resources.dialog(InputChannelRoutingDialog::templateId));
}
