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
