// The KQ330/KQ350 front panel on off-line devices, on a tab of the tab
// control of open devices: identity, unit name and tab label, coding delay,
// clock source with its LED, Bypass and Pass Through, and the row of pages.
#include "tests/Tessiva/Panels/UnitPageBench.h"

#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Tessiva/Panels/DeviceTabControl.h"
#include "Tessiva/Panels/Pages/PresetsPage.h"
#include "Tessiva/Panels/UnitFrontPanel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using Platform::ScriptedUser;

class UnitFrontPanelTest : public UnitPageBench
{
protected:
    UnitFrontPanelTest() : myTabWindow(parent().createChild(Platform::WindowKind::TabControl, 1048))
    {
        open(model());
        myTabs.attach(&myTabWindow);
        auto panel = DevicePanel::make<UnitFrontPanel>(&myTabWindow, myKey, &myDocument);
        myPanel = panel.get();
        myTabs.addPanel("Kq350", std::move(panel));
    }

    // The coding delays a model takes with the internal clock, and one it does not.
    int lowestDelay() const { return model() == Kq330 ? 70 : 179; }
    int highestDelay() const { return model() == Kq330 ? 200 : 450; }

    std::string label() const { return myTabWindow.itemText(0); }
    std::string keyText() const
    {
        std::ostringstream text;
        text << myKey;
        return text.str();
    }
    unsigned image(int anId) { return myUser.control(anId).image(); }

    Platform::Window& myTabWindow;
    DeviceTabControl myTabs;
    UnitFrontPanel* myPanel = nullptr;
};

TEST_P(UnitFrontPanelTest, ShowsTheUnitsIdentityAndName)
{
    EXPECT_EQ(model() == Kq330 ? "KQ330" : "KQ350", myUser.control(UnitFrontPanel::modelNameId).text());
    EXPECT_EQ("x.xx", myUser.control(UnitFrontPanel::revisionId).text());
    std::string name;
    myPanel->getName(name);
    EXPECT_EQ(controlText(ParameterId('a', 14)), name);
    EXPECT_EQ(name + " " + keyText(), label());
}

TEST_P(UnitFrontPanelTest, BuildsItsSevenPagesInOrderAndShowsTheFirst)
{
    EXPECT_EQ(std::vector<std::string>({"Preprocessing", "Bitstream Info", "Dual Mono", "Input/Output",
                                        "Reference Input", "Presets", "Time Code"}),
              myUser.control(UnitFrontPanel::pagesId).items());
    ASSERT_EQ(7, myPanel->pages().pageCount());
    const unsigned templates[] = {112, 111, 113, 121, 118, 120, 123};
    for (int page = 0; page < 7; ++page)
    {
        EXPECT_EQ(templates[page], myPanel->pages().page(page)->templateId()) << page;
        EXPECT_EQ(page == 0, myPanel->pages().page(page)->window()->isShown()) << page;
    }
    ASSERT_TRUE(myUser.selectTab(UnitFrontPanel::pagesId, 5));
    EXPECT_TRUE(myPanel->pages().page(5)->window()->isShown());
    EXPECT_FALSE(myPanel->pages().page(0)->window()->isShown());
}

TEST_P(UnitFrontPanelTest, TheUnitNameIsRequestedOnLeavingAndRelabelsTheTab)
{
    const std::string before = controlText(ParameterId('a', 14));
    ASSERT_TRUE(myUser.type(UnitFrontPanel::unitNameId, "Studio Left"));
    EXPECT_EQ(before, controlText(ParameterId('a', 14)));
    myUser.leave(UnitFrontPanel::unitNameId);
    EXPECT_EQ("Studio Left", controlText(ParameterId('a', 14)));
    EXPECT_EQ("Studio Left " + keyText(), label());

    myUser.type(UnitFrontPanel::unitNameId, "Booth");
    myUser.pressEnter();
    EXPECT_EQ("Booth", controlText(ParameterId('a', 14)));
    EXPECT_EQ("Booth " + keyText(), label());
    ASSERT_TRUE(myPanel->window() != nullptr);
    EXPECT_TRUE(myPanel->window()->isShown());

    // Sixteen characters at most.
    myUser.type(UnitFrontPanel::unitNameId, "0123456789abcdef");
    EXPECT_FALSE(myUser.typeKeys("g"));
}

TEST_P(UnitFrontPanelTest, TypedCodingDelaysInRangeAreTakenOthersDropped)
{
    myUser.pick(UnitFrontPanel::codingDelayModeId, 0);
    const int wanted = model() == Kq330 ? 150 : 300;
    ASSERT_TRUE(myUser.type(UnitFrontPanel::codingDelayRequestedId, std::to_string(wanted)));
    EXPECT_EQ(wanted, controlValue(ParameterId('o', 1)));
    // A fourth digit cannot be typed.
    EXPECT_FALSE(myUser.typeKeys("1"));

    myUser.type(UnitFrontPanel::codingDelayRequestedId, "5");
    EXPECT_EQ(wanted, controlValue(ParameterId('o', 1)));
    myUser.leave(UnitFrontPanel::codingDelayRequestedId);
    EXPECT_EQ(std::to_string(wanted), myUser.control(UnitFrontPanel::codingDelayRequestedId).text());

    request(ParameterId('o', 1), ParameterValue(lowestDelay()));
    char zeroFilled[8];
    std::snprintf(zeroFilled, sizeof zeroFilled, "%03d", lowestDelay());
    EXPECT_EQ(zeroFilled, myUser.control(UnitFrontPanel::codingDelayRequestedId).text());
}

TEST_P(UnitFrontPanelTest, TheUpDownStepsTheDelayWithinItsLimits)
{
    myUser.pick(UnitFrontPanel::codingDelayModeId, 0);
    request(ParameterId('o', 1), ParameterValue(highestDelay()));
    myUser.spin(UnitFrontPanel::codingDelaySpinId, ScriptedUser::Arrow::Up);
    EXPECT_EQ(highestDelay(), controlValue(ParameterId('o', 1)));
    myUser.spin(UnitFrontPanel::codingDelaySpinId, ScriptedUser::Arrow::Down);
    EXPECT_EQ(highestDelay() - 1, controlValue(ParameterId('o', 1)));
    request(ParameterId('o', 1), ParameterValue(lowestDelay()));
    myUser.spin(UnitFrontPanel::codingDelaySpinId, ScriptedUser::Arrow::Down);
    EXPECT_EQ(lowestDelay(), controlValue(ParameterId('o', 1)));
}

TEST_P(UnitFrontPanelTest, TheReportedDelayShowsInItsList)
{
    const int delay = model() == Kq330 ? 120 : 400;
    report(ParameterId('b', 7), ParameterValue(delay));
    Platform::Window& list = myUser.control(UnitFrontPanel::codingDelayCurrentId);
    EXPECT_EQ(std::to_string(delay), list.itemText(list.selection()));
}

TEST_P(UnitFrontPanelTest, TheClockLedIsLitWhileTheClockSourceIsLocked)
{
    report(ParameterId('I', 0), ParameterValue(0));
    ASSERT_TRUE(myUser.pick(UnitFrontPanel::clockSourceId, 0)); // "Digital Input", not locked
    EXPECT_EQ(0, controlValue(ParameterId('a', 2)));
    EXPECT_EQ(148u, image(UnitFrontPanel::clockLedId));
    ASSERT_TRUE(myUser.pick(UnitFrontPanel::clockSourceId, 3)); // "Internal 48 kHz"
    EXPECT_EQ("Internal 48 kHz", myUser.control(UnitFrontPanel::clockSourceId).text());
    EXPECT_EQ(147u, image(UnitFrontPanel::clockLedId));
}

TEST_P(UnitFrontPanelTest, BypassAndPassThrough)
{
    const short before = controlValue(ParameterId('a', 8));
    myUser.click(UnitFrontPanel::bypassId);
    EXPECT_EQ(before == 0 ? 1 : 0, controlValue(ParameterId('a', 8)));
    EXPECT_EQ(before == 0, myUser.control(UnitFrontPanel::bypassId).isChecked());

    report(ParameterId('b', 10), ParameterValue(1));
    EXPECT_EQ(147u, image(UnitFrontPanel::passThroughLedId));
    report(ParameterId('b', 10), ParameterValue(0));
    EXPECT_EQ(4014u, image(UnitFrontPanel::passThroughLedId));
}

TEST_P(UnitFrontPanelTest, TimeCodeCtrlFollowsTheTimeCodeFlag)
{
    Platform::Window& box = myUser.control(FrontPanel::timeCodeCtrlId);
    EXPECT_EQ(control(ParameterId('O', 1)).available(), box.isEnabled());
    EXPECT_EQ(controlValue(ParameterId('O', 1)) == 1, box.isChecked());
}

INSTANTIATE_TEST_SUITE_P(Models, UnitFrontPanelTest, ::testing::Values(1, 2), modelName);

TEST_P(UnitFrontPanelTest, ClickingTimeCodeCtrlRequestsTimeCodeControl)
{
    if (!control(ParameterId('O', 1)).available())
    {
        GTEST_SKIP() << "the table offers no time-code control here";
    }
    const short before = controlValue(ParameterId('O', 1));
    myUser.click(FrontPanel::timeCodeCtrlId);
    EXPECT_EQ(before == 0 ? 1 : 0, controlValue(ParameterId('O', 1)));
    EXPECT_EQ(before == 0, myUser.control(FrontPanel::timeCodeCtrlId).isChecked());
    EXPECT_EQ(before == 0, controlValue(ParameterId('E', 0)) == 2);
}

TEST_P(UnitFrontPanelTest, AfterItsDeviceIsClosedThePanelTouchesNothing)
{
    const std::string shown = myUser.control(UnitFrontPanel::unitNameId).text();
    myDocument.closeDevice(myKey);
    ASSERT_FALSE(myDocument.hasDevice(myKey));
    myUser.type(UnitFrontPanel::unitNameId, "Nobody");
    myUser.leave(UnitFrontPanel::unitNameId);
    myUser.pick(UnitFrontPanel::clockSourceId, 4);
    myUser.click(UnitFrontPanel::bypassId);
    myUser.spin(UnitFrontPanel::codingDelaySpinId, ScriptedUser::Arrow::Up);
    ASSERT_TRUE(myUser.selectTab(UnitFrontPanel::pagesId, 5));
    myUser.click(PresetsPage::firstRecallButtonId + 2);
    myUser.finish();
    EXPECT_EQ(1, myTabs.panelCount());
}
