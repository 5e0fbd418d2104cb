#include "ExampleTemplate.h"

#include "Platform/Window/DialogResult.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using namespace Testing;
using Platform::DialogResult;
using Platform::Event;
using Platform::HeadlessBackend;
using Platform::Notification;
using Platform::Rectangle;
using Platform::ScriptedUser;
using Platform::UserInput;
using Platform::Window;
using Platform::WindowKind;

// Input as a drawing backend delivers it, without a script.
class UserInputTest : public ::testing::Test
{
protected:
    UserInputTest() : myMain(exampleTemplate().create()), myModal(exampleTemplate().create()) {}
    ~UserInputTest() override { Window::clearFocus(); }

    std::unique_ptr<Window> myMain;
    std::unique_ptr<Window> myModal;
};

TEST_F(UserInputTest, AModalDialogBlocksInputEverywhereElse)
{
    const UserInput blocked(myModal.get());
    EXPECT_FALSE(blocked.click(*myMain->findChild(offLine)));
    EXPECT_FALSE(myMain->findChild(offLine)->isChecked());
    EXPECT_TRUE(blocked.click(*myModal->findChild(offLine)));
    EXPECT_TRUE(myModal->findChild(offLine)->isChecked());
    EXPECT_TRUE(blocked.reaches(*myModal));

    const UserInput free(nullptr);
    EXPECT_TRUE(free.click(*myMain->findChild(offLine)));
    EXPECT_TRUE(myMain->findChild(offLine)->isChecked());
}

TEST_F(UserInputTest, KeysGoToTheFocusAndNowhereWithoutOne)
{
    const UserInput input(nullptr);
    EXPECT_FALSE(input.key('8'));
    Window& edit = *myMain->findChild(address);
    edit.setText("9080");
    ASSERT_TRUE(input.selectAll(edit));
    EXPECT_TRUE(input.key('8'));
    EXPECT_TRUE(input.key('2'));
    EXPECT_EQ("82", edit.text());
    edit.selectText(1, 2);
    EXPECT_TRUE(input.deleteKey());
    EXPECT_FALSE(input.deleteKey());
    EXPECT_EQ("8", edit.text());
    myMain->findChild(offLine)->setFocus();
    EXPECT_FALSE(input.key('0'));
}

TEST_F(UserInputTest, TheTabKeySkipsWhatCannotTakeTheFocusAndSelectsAnEditsText)
{
    const UserInput input(nullptr);
    Window& combo = *myMain->findChild(deviceType);
    Window& edit = *myMain->findChild(address);
    edit.setText("8280");
    combo.setFocus();
    EXPECT_TRUE(input.tab(combo)); // past the label
    EXPECT_TRUE(edit.hasFocus());
    EXPECT_EQ(std::make_pair(0, 4), edit.textSelection());
    myMain->findChild(offLine)->enable(false);
    EXPECT_TRUE(input.tab(edit)); // past the up-down and the disabled box
    EXPECT_TRUE(myMain->findChild(firstPort)->hasFocus());
}

TEST_F(UserInputTest, TheLastControlTabsBackToTheFirstOrLosesTheFocus)
{
    const UserInput input(nullptr);
    Window& cancel = *myMain->findChild(cancelButton);
    cancel.setFocus();
    EXPECT_TRUE(input.tab(cancel));
    EXPECT_TRUE(myMain->findChild(deviceType)->hasFocus());

    Window lone(WindowKind::Dialog, 0);
    Window& only = lone.createChild(WindowKind::Edit, 1);
    only.setFocus();
    EXPECT_TRUE(input.tab(only));
    EXPECT_EQ(nullptr, Window::focus());
}

// A main window as the programs build one: a tool bar, and a view with a
// field, a row of two pages (the second hidden) and a button.
class TraversalTest : public ::testing::Test
{
protected:
    enum Id
    {
        tool = 1,
        field = 10,
        tabs = 11,
        firstPage = 12,
        secondPage = 13,
        check = 20,
        firstRadio = 21,
        secondRadio = 22,
        thirdRadio = 23,
        hiddenField = 30,
        button = 40
    };

    TraversalTest() : myFrame(WindowKind::Frame, 0, "Tessiva")
    {
        Window& bar = myFrame.createChild(WindowKind::ToolBar, 59392);
        bar.createChild(WindowKind::Button, tool, "New Device");
        bar.createChild(WindowKind::Button, tool + 1, "Close Device");
        Window& view = myFrame.createChild(WindowKind::Dialog, 0);
        view.createChild(WindowKind::Edit, field, "8280");
        Window& row = view.createChild(WindowKind::TabControl, tabs);
        row.insertTab(0, "Preprocessing");
        row.insertTab(1, "Time Code");
        Window& first = row.createChild(WindowKind::Dialog, firstPage);
        first.createChild(WindowKind::CheckBox, check, "Bypass");
        Platform::WindowStyle groupStart;
        groupStart.group = true;
        first.createChild(WindowKind::RadioButton, firstRadio, "COM1", groupStart);
        first.createChild(WindowKind::RadioButton, secondRadio, "COM2").setChecked(true);
        first.createChild(WindowKind::RadioButton, thirdRadio, "COM3");
        Window& second = row.createChild(WindowKind::Dialog, secondPage);
        second.createChild(WindowKind::Edit, hiddenField, "00");
        second.show(false);
        view.createChild(WindowKind::Button, button, "Save");
        // The row shows the page of its tab, as the panels' rows do.
        row.on(Notification::TabSelectionChanged, [this, &row](Event&) {
            find(firstPage).show(row.selection() == 0);
            find(secondPage).show(row.selection() == 1);
        });
    }
    ~TraversalTest() override { Window::clearFocus(); }

    Window& find(int anId) { return *myFrame.findDescendant(anId); }

    // The ids that have the focus after each of aCount Tab keys from anId.
    std::vector<int> stops(int anId, int aCount, bool aBackward)
    {
        const UserInput input(nullptr);
        find(anId).setFocus();
        std::vector<int> ids;
        for (int step = 0; step < aCount; ++step)
        {
            EXPECT_TRUE(input.tab(*Window::focus(), aBackward));
            ids.push_back(Window::focus() != nullptr ? Window::focus()->id() : 0);
        }
        return ids;
    }

    Window myFrame;
};

TEST_F(TraversalTest, TabGoesThroughPagesAndComesRoundPastTheToolBarAndOnceIntoARadioGroup)
{
    EXPECT_EQ((std::vector<int>{tabs, check, secondRadio, button, field, tabs}), stops(field, 6, false));
    EXPECT_EQ((std::vector<int>{button, secondRadio, check, tabs, field, button}), stops(field, 6, true));
    // The edit reached gets all its text selected.
    EXPECT_EQ(std::make_pair(0, 4), find(field).textSelection());
    // Without a checked button the group is entered at its first.
    find(secondRadio).setChecked(false);
    EXPECT_EQ((std::vector<int>{firstRadio, button}), stops(check, 2, false));
}

TEST_F(TraversalTest, TabFromAControlWhosePageWentGoesOnAfterItsPlace)
{
    const UserInput input(nullptr);
    find(hiddenField).setFocus();
    EXPECT_TRUE(input.tab(find(hiddenField)));
    EXPECT_EQ(button, Window::focus()->id());
    find(hiddenField).setFocus();
    EXPECT_TRUE(input.tab(find(hiddenField), true));
    EXPECT_EQ(secondRadio, Window::focus()->id());
}

TEST_F(TraversalTest, TabIntoAWindowWithoutTheFocusStartsAtItsFirstOrLastStop)
{
    const UserInput input(nullptr);
    EXPECT_TRUE(input.tabInto(myFrame));
    EXPECT_EQ(field, Window::focus()->id());
    EXPECT_TRUE(input.tabInto(myFrame, true));
    EXPECT_EQ(button, Window::focus()->id());
    Window empty(WindowKind::Dialog, 0);
    empty.createChild(WindowKind::Static, -1, "Address");
    EXPECT_FALSE(input.tabInto(empty));
}

TEST_F(TraversalTest, AToolBarButtonActsWithoutTakingTheFocus)
{
    const UserInput input(nullptr);
    int clicks = 0;
    find(tool).on(Notification::Clicked, [&clicks](Event&) { ++clicks; });
    find(field).setFocus();
    EXPECT_TRUE(input.click(find(tool)));
    EXPECT_EQ(1, clicks);
    EXPECT_TRUE(find(field).hasFocus());
    EXPECT_FALSE(find(tool).canTakeFocus());
}

TEST_F(TraversalTest, KeysTurnTheTabsAsAClickDoesAndTheFocusLeftOnAPageGoesIntoTheNewPage)
{
    const UserInput input(nullptr);
    Window& row = find(tabs);
    std::vector<std::string> heard;
    row.on(Notification::TabSelectionChanging, [&heard, &row](Event&) {
        heard.push_back("changing from " + std::to_string(row.selection()));
    });
    find(check).setFocus();
    EXPECT_TRUE(input.stepTab(row, true, false));
    EXPECT_EQ(1, row.selection());
    EXPECT_TRUE(find(secondPage).isShown());
    EXPECT_TRUE(find(hiddenField).hasFocus());
    // At the end of the row only a turn round goes on.
    EXPECT_FALSE(input.stepTab(row, true, false));
    EXPECT_EQ(1, row.selection());
    EXPECT_TRUE(input.stepTab(row, true, true));
    EXPECT_EQ(0, row.selection());
    // Into the new page's first stop: the checked radio button comes later.
    EXPECT_TRUE(find(check).hasFocus());
    EXPECT_TRUE(input.stepTab(row, false, true));
    EXPECT_EQ(1, row.selection());
    EXPECT_EQ((std::vector<std::string>{"changing from 0", "changing from 1", "changing from 0"}), heard);
    // The focus on the row itself stays there.
    row.setFocus();
    EXPECT_TRUE(input.stepTab(row, true, true));
    EXPECT_EQ(0, row.selection());
    EXPECT_TRUE(row.hasFocus());
    // A page without a stop leaves the focus on the row.
    find(hiddenField).enable(false);
    find(check).setFocus();
    EXPECT_TRUE(input.stepTab(row, true, true));
    EXPECT_EQ(1, row.selection());
    EXPECT_TRUE(row.hasFocus());
    find(hiddenField).enable(true);
    // A focus that stays reachable stays where it is.
    find(field).setFocus();
    EXPECT_TRUE(input.stepTab(row, false, false));
    EXPECT_TRUE(find(field).hasFocus());
    // A row that refuses keeps its tab.
    row.on(Notification::TabSelectionChanging, [](Event& anEvent) { anEvent.result = 1; });
    EXPECT_TRUE(input.stepTab(row, true, false));
    EXPECT_EQ(0, row.selection());
}

TEST_F(TraversalTest, ThePageKeysTurnTheInnermostRowThatHasTabs)
{
    const UserInput input(nullptr);
    EXPECT_EQ(&find(tabs), input.innermostTabControl(myFrame));
    Window& inner = find(firstPage).createChild(WindowKind::TabControl, 50);
    EXPECT_EQ(&find(tabs), input.innermostTabControl(myFrame)) << "a row without tabs";
    inner.insertTab(0, "Input");
    EXPECT_EQ(&inner, input.innermostTabControl(myFrame));
    Window modal(WindowKind::Dialog, 0);
    EXPECT_EQ(nullptr, UserInput(&modal).innermostTabControl(myFrame)) << "outside the modal dialog";
    find(firstPage).show(false);
    EXPECT_EQ(&find(tabs), input.innermostTabControl(myFrame)) << "a row on a hidden page";
}

TEST(ArrowKeysTest, TheUpAndDownKeysStepOnlyAnUpDownThatTakesThem)
{
    Window dialog(WindowKind::Dialog, 0);
    Window& edit = dialog.createChild(WindowKind::Edit, 1);
    Window& other = dialog.createChild(WindowKind::Edit, 2);
    Platform::WindowStyle arrows;
    arrows.arrowKeys = true;
    Window& upDown = dialog.createChild(WindowKind::UpDown, 3, "", arrows);
    upDown.setBuddy(&edit);
    dialog.createChild(WindowKind::UpDown, 4).setBuddy(&other);
    EXPECT_EQ(&upDown, UserInput::arrowKeysUpDown(edit));
    EXPECT_EQ(nullptr, UserInput::arrowKeysUpDown(other));
    EXPECT_EQ(nullptr, UserInput::arrowKeysUpDown(upDown));
}

TEST_F(UserInputTest, TheCloseBoxOfADialogIsCancelUnlessItHandlesClosing)
{
    const UserInput input(nullptr);
    myModal->beginModal();
    input.close(*myModal);
    EXPECT_TRUE(myModal->dialogEnded());
    EXPECT_EQ(DialogResult::cancel, myModal->dialogResult());

    myModal->beginModal();
    int closings = 0;
    myModal->on(Notification::Close, [&closings](Event&) { ++closings; });
    input.close(*myModal);
    EXPECT_FALSE(myModal->dialogEnded());
    EXPECT_EQ(1, closings);
}

TEST(DesktopTest, TheMainWindowHearsClosingAndTheSessionsEnd)
{
    HeadlessBackend backend;
    ScriptedUser user(backend);
    Window frame(WindowKind::Frame, 0, "Tessiva");
    user.lookAt(frame);
    std::vector<std::string> heard;
    frame.on(Notification::Close, [&heard](Event&) { heard.push_back("save placement, close"); });
    frame.on(Notification::SessionEnd, [&heard](Event&) { heard.push_back("save placement"); });
    user.endSession();
    user.closeWindow();
    EXPECT_EQ((std::vector<std::string>{"save placement", "save placement, close"}), heard);
}

TEST(DesktopTest, ScreenAndTheDesktopsOpenerAreTheTestsToSet)
{
    HeadlessBackend backend;
    EXPECT_EQ(Rectangle(0, 0, 1024, 768), backend.screenArea());
    EXPECT_EQ(32, backend.iconWidth());
    backend.setScreen(Rectangle(0, 0, 800, 600), 48);
    EXPECT_EQ(800, backend.screenArea().width());
    EXPECT_EQ(48, backend.iconHeight());

    EXPECT_FALSE(backend.openWithDesktop("Tessiva.chm"));
    backend.setDesktopOpens(true);
    EXPECT_TRUE(backend.openWithDesktop("Tessiva.chm"));
    EXPECT_EQ((std::vector<std::string>{"Tessiva.chm", "Tessiva.chm"}), backend.openedDocuments());
}

TEST(CentreTest, AWindowIsCentredKeepingItsSize)
{
    Window splash(WindowKind::Dialog, 0, "", Platform::WindowStyle(), Rectangle(0, 0, 480, 361));
    splash.centreIn(Rectangle(0, 0, 1024, 768));
    EXPECT_EQ(Rectangle(272, 203, 752, 564), splash.rectangle());
    splash.centreIn(Rectangle(100, 100, 200, 200));
    EXPECT_EQ(Rectangle(-90, -30, 390, 331), splash.rectangle());
}
}
