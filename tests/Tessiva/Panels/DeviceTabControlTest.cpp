// The tab control of open devices: adding, selecting, closing and dropping
// tabs with their labels, the per-device commands on the selected tab, and
// relabelling after a unit name changes.
#include "tests/Tessiva/Panels/PanelFixture.h"

#include "Tessiva/Panels/DevicePanel.h"
#include "Tessiva/Panels/DeviceTabControl.h"
#include "Tessiva/Panels/UnitNameObserver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace PanelTesting;

namespace
{
const ParameterId theDataRate('B', 1);
const ParameterId theUnitName('a', 14);

// A panel without a window whose name a test sets.
class NamedPanel : public DevicePanel
{
public:
    NamedPanel(const DeviceKey& aKey, CTessivaDoc* aDocument, const std::string& aName)
        : DevicePanel(aKey, aDocument, 0), name(aName)
    {
    }
    void getName(std::string& aName) const override { aName = name; }
    std::string name;
};
}

class DeviceTabControlTest : public PanelTest
{
protected:
    std::vector<std::string> labels() const { return myTabWindow->items(); }

    // Which panels are shown and enabled, in tab order.
    std::vector<bool> shown() const
    {
        std::vector<bool> result;
        for (int index = 0; index < myTabs.panelCount(); ++index)
        {
            const Platform::Window* window = myTabs.panel(index)->window();
            EXPECT_TRUE(window != nullptr);
            EXPECT_EQ(window->isShown(), window->isEnabled());
            result.push_back(window->isShown());
        }
        return result;
    }

    // Makes the parameter disagree with its device until the next full read.
    void forget(const DeviceKey& aKey)
    {
        ParameterProbe probe;
        Parameter& rate = control(aKey, theDataRate, probe);
        ParameterValueMap stale;
        stale[theDataRate] = ParameterValue(rate.value().toShort() == 11 ? 12 : 11);
        rate.update(stale);
    }
};

TEST_F(DeviceTabControlTest, AddingSelectsTheNewTabRereadsEveryDeviceAndShowsOnlyItsPanel)
{
    const DeviceKey first = addKq310().key();
    const DeviceKey second = addKq310().key();
    const short rate = controlValue(first, theDataRate);
    forget(first);
    forget(second);
    ASSERT_NE(rate, controlValue(first, theDataRate));

    addKq310();
    EXPECT_EQ((std::vector<std::string>{"Kq310 (Offline 0)", "Kq310 (Offline 1)", "Kq310 (Offline 2)"}), labels());
    EXPECT_EQ(2, myTabWindow->selection());
    EXPECT_EQ((std::vector<bool>{false, false, true}), shown());
    EXPECT_EQ(rate, controlValue(first, theDataRate));
    EXPECT_EQ(rate, controlValue(second, theDataRate));
    EXPECT_EQ(myTabs.panel(2), myTabs.selectedPanel());
}

TEST_F(DeviceTabControlTest, SelectingATabShowsItsPanelAndRereadsEveryDevice)
{
    const DeviceKey first = addKq310().key();
    addKq310();
    const short rate = controlValue(first, theDataRate);
    forget(first);
    EXPECT_TRUE(myUser.selectTab(theDeviceTabsId, 0));
    EXPECT_EQ((std::vector<bool>{true, false}), shown());
    EXPECT_EQ(rate, controlValue(first, theDataRate));
    myUser.finish();
}

TEST_F(DeviceTabControlTest, ClosingTheSelectedSecondOfThreeSelectsTheFirst)
{
    addKq310();
    const DeviceKey second = addKq310().key();
    const DeviceKey third = addKq310().key();
    EXPECT_TRUE(myUser.selectTab(theDeviceTabsId, 1));
    EXPECT_EQ((std::vector<bool>{false, true, false}), shown());
    const short rate = controlValue(third, theDataRate);
    forget(third);
    const int updates = myView.updates;

    myTabs.closeSelected();
    EXPECT_FALSE(myDocument.hasDevice(second));
    EXPECT_EQ(updates + 1, myView.updates);
    EXPECT_EQ((std::vector<std::string>{"Kq310 (Offline 0)", "Kq310 (Offline 2)"}), labels());
    EXPECT_EQ(2, myTabs.panelCount());
    EXPECT_EQ(0, myTabWindow->selection());
    EXPECT_EQ((std::vector<bool>{true, false}), shown());
    EXPECT_TRUE(myTabs.panel(1)->isFor(third));
    // The remaining devices were read again.
    EXPECT_EQ(rate, controlValue(third, theDataRate));
    EXPECT_EQ(text(10200 + rate), myTabs.panel(1)->control(1101).text());
    myUser.finish();
}

// Whichever tab is closed, the first remaining one is selected, also where
// "the one before" or "the one in its place" would choose another.
class ClosingATabOfThree : public DeviceTabControlTest, public testing::WithParamInterface<int>
{
};

TEST_P(ClosingATabOfThree, SelectsTheFirst)
{
    std::vector<DeviceKey> keys;
    for (int each = 0; each < 3; ++each)
    {
        keys.push_back(addKq310().key());
    }
    const int closed = GetParam();
    EXPECT_TRUE(myUser.selectTab(theDeviceTabsId, closed));

    myTabs.closeSelected();
    EXPECT_FALSE(myDocument.hasDevice(keys[static_cast<std::size_t>(closed)]));
    EXPECT_EQ(2, myTabs.panelCount());
    EXPECT_EQ(0, myTabWindow->selection());
    EXPECT_EQ((std::vector<bool>{true, false}), shown());
    EXPECT_TRUE(myTabs.selectedPanel() == myTabs.panel(0));
    EXPECT_TRUE(myTabs.panel(0)->isFor(keys[closed == 0 ? 1 : 0]));
    myUser.finish();
}

INSTANTIATE_TEST_SUITE_P(Tabs, ClosingATabOfThree, testing::Values(0, 2),
                         [](const testing::TestParamInfo<int>& anInfo) {
                             return anInfo.param == 0 ? std::string("First") : std::string("Last");
                         });

TEST_F(DeviceTabControlTest, WithoutTabsTheDeviceCommandsDoNothing)
{
    std::ostringstream configuration;
    std::ostringstream text;
    std::ostringstream html;
    std::istringstream input("not a configuration");
    myTabs.pollSelected();
    myTabs.refreshSelected();
    myTabs.closeSelected();
    myTabs.saveConfiguration(configuration);
    myTabs.restoreConfiguration(input);
    myTabs.writeTextReport(text, "Report");
    myTabs.writeHtmlReport(html, "Report");
    myTabs.removeOrphanedTabs();
    myTabs.removeTab(0);
    EXPECT_EQ("", configuration.str() + text.str() + html.str());
    EXPECT_EQ(0, myView.updates);
    EXPECT_TRUE(myTabs.selectedPanel() == nullptr);
    myUser.finish();
}

TEST_F(DeviceTabControlTest, FileCommandsReachTheSelectedDevice)
{
    addKq310();
    const DeviceKey second = addKq310().key();
    std::ostringstream text;
    myTabs.writeTextReport(text, "Second Unit");
    EXPECT_NE(std::string::npos, text.str().find("Second Unit"));
    std::ostringstream html;
    myTabs.writeHtmlReport(html, "Second Unit");
    EXPECT_EQ(0u, html.str().find("<HTML><HEAD><TITLE>Second Unit</TITLE>"));

    std::ostringstream saved;
    myTabs.saveConfiguration(saved);
    ASSERT_FALSE(saved.str().empty());
    const short rate = controlValue(second, theDataRate);
    setControl(second, theDataRate, rate == 16 ? 17 : 16);
    std::istringstream restored(saved.str());
    myTabs.restoreConfiguration(restored);
    EXPECT_EQ(rate, controlValue(second, theDataRate));
    myTabs.pollSelected();
    myTabs.refreshSelected();
    myUser.finish();
}

TEST_F(DeviceTabControlTest, TabsOfDevicesThatAreGoneAreAllRemoved)
{
    const DeviceKey first = addKq310().key();
    addKq310();
    const DeviceKey third = addKq310().key();
    addKq310();
    myView.dropOrphans = false;
    myDocument.closeDevice(first);
    myDocument.closeDevice(third);
    ASSERT_EQ(4, myTabs.panelCount());

    myTabs.removeOrphanedTabs();
    EXPECT_EQ((std::vector<std::string>{"Kq310 (Offline 1)", "Kq310 (Offline 3)"}), labels());
    EXPECT_EQ((std::vector<bool>{true, false}), shown());
    myUser.finish();
}

TEST_F(DeviceTabControlTest, ARenamedPanelGetsItsTabRelabelledAlone)
{
    const DeviceKey first = openKq310();
    const DeviceKey second = openKq310();
    auto studio = std::make_unique<NamedPanel>(first, &myDocument, "Studio");
    NamedPanel* renamed = studio.get();
    myTabs.addPanel("Studio", std::move(studio));
    myTabs.addPanel("Booth", std::make_unique<NamedPanel>(second, &myDocument, "Booth"));
    EXPECT_EQ((std::vector<std::string>{"Studio (Offline 0)", "Booth (Offline 1)"}), labels());

    renamed->name = "Control Room";
    myTabs.relabel(first);
    EXPECT_EQ((std::vector<std::string>{"Control Room (Offline 0)", "Booth (Offline 1)"}), labels());
    // A long name keeps the port description whole.
    renamed->name = "A unit name of thirty-two chars";
    myTabs.relabel(first);
    EXPECT_EQ("A unit name of thirty-two chars (Offline 0)", labels()[0]);
    // An empty name leaves the blank before the description.
    renamed->name = "";
    myTabs.relabel(first);
    EXPECT_EQ(" (Offline 0)", labels()[0]);
    myTabs.relabel(DeviceKey(0, 9));
    EXPECT_EQ("Booth (Offline 1)", labels()[1]);
}

TEST_F(DeviceTabControlTest, TheUnitNameRelabelsItsTabEachTimeItNotifies)
{
    const DeviceKey first = openKq330();
    const DeviceKey second = openKq330();
    auto owned = std::make_unique<NamedPanel>(first, &myDocument, "");
    NamedPanel* panel = owned.get();
    UnitNameObserver observer(first, &panel->name, myTabWindow);
    ParameterProbe probe;
    Parameter& unitName = control(first, theUnitName, probe);
    myDocument.attachControlObserver(first, theUnitName, &observer);
    // Attached before the panel has a tab: only the name is taken.
    EXPECT_EQ(unitName.value().toString(), panel->name);
    myTabs.addPanel("Kq350", std::move(owned));
    myTabs.addPanel("Kq350", std::make_unique<NamedPanel>(second, &myDocument, "Other"));
    const std::string otherLabel = labels()[1];

    ParameterValueMap named;
    named[theUnitName] = ParameterValue(std::string("Studio A"));
    unitName.update(named);
    unitName.notify();
    EXPECT_EQ("Studio A", panel->name);
    EXPECT_EQ("Studio A (Offline 0)", labels()[0]);
    EXPECT_EQ(otherLabel, labels()[1]);
    // Another subject's notification is not its business.
    ParameterProbe otherProbe;
    Parameter& rate = control(first, theDataRate, otherProbe);
    observer.update(&rate);
    observer.update(nullptr);
    EXPECT_EQ("Studio A", panel->name);
}

TEST(UnitNameObserverTest, WithoutATabControlItOnlyKeepsTheName)
{
    PanelStage stage;
    const DeviceKey key = stage.openKq330();
    std::string name = "unset";
    Platform::Window stray(Platform::WindowKind::TabControl, 5);
    UnitNameObserver observer(key, &name, &stray);
    stage.myDocument.attachControlObserver(key, theUnitName, &observer);
    ParameterProbe probe;
    EXPECT_EQ(stage.control(key, theUnitName, probe).value().toString(), name);
    EXPECT_EQ(0, stray.itemCount());
}
