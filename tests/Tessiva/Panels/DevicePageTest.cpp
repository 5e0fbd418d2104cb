// The page and panel bases: pages bound once after their construction, the page tab
// control showing one page at a time, Enter and Escape, pages of devices
// that are gone, and the error guard of their handlers, also on line.
#include "tests/Tessiva/Panels/PanelFixture.h"

#include "Platform/Window/DialogTemplate.h"
#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Tessiva/Panels/FrontPanel.h"
#include "Tessiva/Panels/Pages/PageTabControl.h"
#include "Toolkit/Controls/ControlObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq310Unit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace PanelTesting;
using Platform::WindowKind;

namespace
{
const unsigned theProbePageId = 9100;
const int theFailButtonId = 9101;
const int theFieldId = 9102;
const int thePageTabsId = 9110;
const ParameterId theDataRate('B', 1);

Platform::Resources withProbePage()
{
    Platform::Resources resources = programResources();
    Platform::DialogTemplate page(theProbePageId, "", 200, 100);
    page.add(WindowKind::Button, theFailButtonId, "Fail", 10, 10, 50, 14)
        .add(WindowKind::Edit, theFieldId, "", 10, 30, 50, 12);
    resources.addDialog(page);
    resources.strings().add(theProbePageId, "Probe");
    return resources;
}

// A page that watches the data rate and whose button runs what a test gives.
class ProbePage : public DevicePage
{
public:
    ProbePage(const DeviceKey& aKey, CTessivaDoc* aDocument) : DevicePage(aKey, aDocument, theProbePageId) {}

    std::function<void()> failure = []() {};
    int exchanges = 0;
    int inits = 0;
    ParameterProbe observer;

protected:
    bool onInitDialog() override
    {
        const bool result = DevicePage::onInitDialog();
        ++inits;
        guarded([this]() { document()->attachControlObserver(key(), theDataRate, &observer); });
        handle(theFailButtonId, Platform::Notification::Clicked, [this]() { failure(); });
        return result;
    }
    void doDataExchange() override { ++exchanges; }
};

// A page that binds its field through a member of the observers' base type.
class BoundFieldPage : public DevicePage
{
public:
    BoundFieldPage(const DeviceKey& aKey, CTessivaDoc* aDocument) : DevicePage(aKey, aDocument, theProbePageId) {}

protected:
    void bindControls() override
    {
        bindControl<Win32EditObserver>(myField, theDataRate, &control(theFieldId), &myConverter);
    }

private:
    IntegerTextConverter myConverter{3};
    std::unique_ptr<ControlObserver> myField;
};

// Its override replaces the probe's: the window is made once the page is whole.
class LaterPage : public ProbePage
{
public:
    using ProbePage::ProbePage;
    int laterExchanges = 0;

protected:
    void doDataExchange() override { ++laterExchanges; }
};
}

class DevicePageTest : public ::testing::Test, public PanelStage
{
protected:
    DevicePageTest() : PanelStage(withProbePage()), myKey(openKq310())
    {
        myPageWindow = &myMain->createChild(WindowKind::TabControl, thePageTabsId);
        myPages.attach(myPageWindow);
    }

    ProbePage& addPage()
    {
        auto page = DevicePage::make<ProbePage>(myPageWindow, myKey, &myDocument);
        ProbePage& added = *page;
        myPages.addPage(theProbePageId, std::move(page));
        return added;
    }

    std::vector<bool> shown() const
    {
        std::vector<bool> result;
        for (int index = 0; index < myPages.pageCount(); ++index)
        {
            const Platform::Window* window = myPages.page(index)->window();
            EXPECT_EQ(window->isShown(), window->isEnabled());
            result.push_back(window->isShown());
        }
        return result;
    }

    DeviceKey myKey;
    PageTabControl myPages;
    Platform::Window* myPageWindow = nullptr;
};

TEST_F(DevicePageTest, ThePageTabsShowOnlyTheSelectedPage)
{
    ProbePage& first = addPage();
    EXPECT_EQ((std::vector<bool>{true}), shown());
    addPage();
    addPage();
    EXPECT_EQ((std::vector<std::string>{"Probe", "Probe", "Probe"}), myPageWindow->items());
    EXPECT_EQ((std::vector<bool>{true, false, false}), shown());
    EXPECT_TRUE(myUser.selectTab(thePageTabsId, 2));
    EXPECT_EQ((std::vector<bool>{false, false, true}), shown());
    EXPECT_TRUE(myUser.selectTab(thePageTabsId, 1));
    EXPECT_EQ((std::vector<bool>{false, true, false}), shown());
    // A hidden page still follows its parameter.
    setControl(myKey, theDataRate, 12);
    ASSERT_TRUE(first.observer.parameter() != nullptr);
    EXPECT_EQ(12, first.observer.parameter()->value().toShort());
    myUser.finish();
}

TEST_F(DevicePageTest, ThePageIsBuiltAndBoundOnceWithTheOverridesOfItsOwnClass)
{
    ProbePage& page = addPage();
    EXPECT_EQ(1, page.inits);
    EXPECT_EQ(1, page.exchanges);
    ASSERT_TRUE(page.window() != nullptr);
    EXPECT_EQ(myPageWindow, page.window()->parent());
    EXPECT_EQ(page.window(), myPageWindow->children().front());
    EXPECT_TRUE(page.observer.parameter() != nullptr);

    std::unique_ptr<LaterPage> later = DevicePage::make<LaterPage>(myPageWindow, myKey, &myDocument);
    EXPECT_EQ(1, later->inits);
    EXPECT_EQ(0, later->exchanges);
    EXPECT_EQ(1, later->laterExchanges);
}

TEST_F(DevicePageTest, ADerivedPageAttachesItsObserverOnceAndDetachesItWhenItGoes)
{
    ParameterProbe watcher;
    Parameter& dataRate = control(myKey, theDataRate, watcher);
    const std::size_t before = dataRate.observerCount();
    std::unique_ptr<LaterPage> later = DevicePage::make<LaterPage>(myPageWindow, myKey, &myDocument);
    // Binding run again would attach the same observer a second time.
    EXPECT_EQ(before + 1, dataRate.observerCount());
    EXPECT_EQ(&dataRate, later->observer.parameter());
    later.reset();
    EXPECT_EQ(before, dataRate.observerCount());
}

TEST_F(DevicePageTest, AControlIsRoutedAsTheTypeItIsMadeAsNotAsItsMember)
{
    std::unique_ptr<BoundFieldPage> page = DevicePage::make<BoundFieldPage>(myPageWindow, myKey, &myDocument);
    setControl(myKey, theDataRate, 12);
    Platform::Window& field = page->control(theFieldId);
    ASSERT_EQ("012", field.text());
    field.setFocus();
    ASSERT_TRUE(myUser.type(field, "x"));
    ASSERT_EQ("x", field.text());
    page->control(theFailButtonId).setFocus();
    EXPECT_EQ("012", field.text()) << "the loss of focus puts the field back";
    myUser.finish();
}

TEST_F(DevicePageTest, EnterAndEscapeNeitherCloseNorHideAPage)
{
    ProbePage& page = addPage();
    page.control(theFieldId).setFocus();
    myUser.pressEnter();
    myUser.pressEscape();
    ASSERT_TRUE(page.window() != nullptr);
    EXPECT_TRUE(page.window()->isVisible());
    myUser.finish();
}

TEST_F(DevicePageTest, APageOfADeviceThatIsGoneAttachesNothingAndReportsNothing)
{
    myDocument.closeDevice(myKey);
    const int updates = myView.updates;
    ProbePage& page = addPage();
    EXPECT_TRUE(page.observer.parameter() == nullptr);
    EXPECT_LT(updates, myView.updates);
    EXPECT_TRUE(myUser.click(theFailButtonId));
    myUser.finish();
}

TEST_F(DevicePageTest, AWireErrorBringsUpTheCommunicationsErrorForThePagesDevice)
{
    ProbePage& page = addPage();
    page.failure = []() { throw ProtocolException("No response when expecting an ACK."); };
    std::string message;
    myUser.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Platform::Window&) {
        message = myUser.control(1054).text();
        myUser.click(1);
    });
    EXPECT_TRUE(myUser.click(theFailButtonId));
    myUser.finish();
    EXPECT_EQ("The device is not responding.", message);
    // Reconnecting worked: the device stays.
    EXPECT_TRUE(myDocument.hasDevice(myKey));
}

TEST_F(DevicePageTest, AnyOtherErrorOfTheProgramShowsItsText)
{
    ProbePage& page = addPage();
    page.failure = []() { throw VornaException("Invalid input channel assignment"); };
    myUser.expectMessageBox("Invalid input channel assignment");
    EXPECT_TRUE(myUser.click(theFailButtonId));
    myUser.finish();
    EXPECT_TRUE(myDocument.hasDevice(myKey));
}

// A KQ310 on line whose unit stops answering.
class OnLinePanelTest : public PanelTest
{
protected:
    static constexpr unsigned thePort = 2;
    static constexpr std::uint16_t theAddress = 0x9080;

    OnLinePanelTest()
    {
        myProfile.map(thePort, myEmulator.devicePath());
        myEmulator.addUnit(theAddress, Emulator::Kq310Unit::freshValues());
    }

    Kq310FrontPanel& addOnLine()
    {
        DeviceSettings settings(&myDocument);
        ControlCollection& values = settings.controlCollection();
        values.find(DeviceSettings::deviceTypeId).setValue(ParameterValue(0));
        values.find(DeviceSettings::offLineId).setValue(ParameterValue(0));
        values.find(DeviceSettings::portIndexId).setValue(ParameterValue(static_cast<int>(thePort) - 1));
        values.find(DeviceSettings::baudRateId).setValue(ParameterValue(2));
        DeviceKey key(0, 0);
        EXPECT_TRUE(myDocument.createKq310Device(key, settings));
        auto panel = DevicePanel::make<Kq310FrontPanel>(myTabWindow, key, &myDocument, nullptr);
        Kq310FrontPanel& added = *panel;
        myTabs.addPanel("Kq310", std::move(panel));
        return added;
    }

    Emulator::UnitEmulator myEmulator;
};

TEST_F(OnLinePanelTest, StartWithoutAnAnswerOffersToCloseTheDeviceAndItsTabGoes)
{
    Kq310FrontPanel& panel = addOnLine();
    const DeviceKey key = panel.key();
    EXPECT_EQ("Kq310 (COM2, 9080)", myTabWindow->itemText(0));
    const unsigned startImage = panel.control(FrontPanel::startButtonId).image();
    myEmulator.injectFault(theAddress, Emulator::UnitFault::silent(Emulator::UnitFault::forever));
    myUser.expectDialog(CTessivaDoc::communicationsErrorDialogId, [&](Platform::Window&) {
        // The button keeps its look while the question is open.
        EXPECT_EQ(startImage, panel.control(FrontPanel::startButtonId).image());
        myUser.click(2);
    });
    // The panel goes while its own handler runs.
    myUser.click(FrontPanel::startButtonId);
    myUser.finish();
    EXPECT_FALSE(myDocument.hasDevice(key));
    EXPECT_EQ(0, myTabs.panelCount());
    EXPECT_EQ(0, myTabWindow->itemCount());
}
