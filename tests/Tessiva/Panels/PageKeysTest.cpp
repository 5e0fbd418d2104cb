// Enter and Escape with the focus on a control of a page: a page is part of
// its panel, not a dialog of its own, so neither key ends or hides it.
#include "tests/Tessiva/Panels/CommonPageBench.h"

#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/PresetsPage.h"
#include "Tessiva/Panels/Pages/TimeCodePage.h"
#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"
#include "Tessiva/Panels/Pages/UnitTimeCodePage.h"

#include <functional>
#include <memory>
#include <string>

namespace
{
using PageMaker = std::function<std::unique_ptr<DevicePage>(Platform::Window*, const DeviceKey&, CTessivaDoc*)>;

template <class Page>
PageMaker make()
{
    return [](Platform::Window* aParent, const DeviceKey& aKey, CTessivaDoc* aDocument) {
        return DevicePage::make<Page>(aParent, aKey, aDocument);
    };
}

struct KeyCase
{
    const char* name;
    int model; // 0 KQ310, 1 KQ330, 2 KQ350
    PageMaker page;
    int focused;
};

const KeyCase theCases[] = {
    {"PreprocessingKq310", 0, make<PreprocessingPage>(), PreprocessingPage::lfeLowpassId},
    {"PreprocessingKq350", 2, make<PreprocessingPage>(), PreprocessingPage::lfeLowpassId},
    {"DualMonoKq330", 1, make<DualMonoPage>(), DualMonoPage::roomTypeId},
    {"DualMonoKq350", 2, make<DualMonoPage>(), DualMonoPage::roomTypeId},
    {"BitstreamInfoKq310", 0, make<BitstreamInfoPage>(), BitstreamInfoPage::copyrightBitId},
    {"TimeCodeKq310", 0, make<TimeCodePage>(), TimeCodePage::formatId},
    {"UnitInputOutputKq350", 2, make<UnitInputOutputPage>(), UnitInputOutputPage::multiplexModeId},
    {"PresetsKq330", 1, make<PresetsPage>(), PresetsPage::numberEditId},
    {"UnitTimeCodeKq350", 2, make<UnitTimeCodePage>(), UnitTimeCodePage::sourceId},
};
}

class PageKeysTest : public CommonPageBench, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(PageKeysTest, EnterAndEscapeLeaveThePageAlone)
{
    openOffLine(static_cast<Model>(GetParam().model));
    const std::unique_ptr<DevicePage> page = GetParam().page(&parent(), myKey, &myDocument);
    ASSERT_NE(nullptr, page->window());
    // As its row shows it when its tab is selected.
    page->window()->show(true);
    Platform::Window& focused = page->control(GetParam().focused);
    focused.setFocus();
    ASSERT_TRUE(focused.hasFocus()) << "the keys would not reach the page";
    myUser.pressEnter();
    myUser.pressEscape();
    ASSERT_NE(nullptr, page->window());
    EXPECT_TRUE(page->window()->isShown());
    EXPECT_TRUE(page->window()->isVisible());
    myUser.finish();
}

INSTANTIATE_TEST_SUITE_P(Pages, PageKeysTest, ::testing::ValuesIn(theCases),
                         [](const ::testing::TestParamInfo<KeyCase>& anInfo) {
                             return std::string(anInfo.param.name);
                         });
