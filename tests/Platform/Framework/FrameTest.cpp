#include "MiniatureProgram.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/FileDialog.h"
#include "Platform/Framework/HelpViewer.h"
#include "Platform/Window/DialogTemplate.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
using namespace Miniature;
using Platform::CommandIds;
using Platform::Rectangle;
using Platform::Window;

class FrameTest : public Fixture, public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(start(application)); }

    TestApplication application;
};

TEST_F(FrameTest, TheBarsHoldTheirButtonsAndPanes)
{
    const Window& toolBar = *application.frame()->toolBar();
    std::vector<int> ids;
    for (const Window* child : toolBar.children())
    {
        ids.push_back(child->id());
    }
    EXPECT_EQ((std::vector<int>{static_cast<int>(documentFirst), static_cast<int>(viewFirst), 0,
                                static_cast<int>(guarded), 0, static_cast<int>(CommandIds::helpTopics)}),
              ids);
    EXPECT_EQ("New Device", toolBar.findChild(static_cast<int>(documentFirst))->text());

    const Window& statusBar = *application.frame()->statusBar();
    std::vector<std::string> texts;
    for (const Window* pane : statusBar.children())
    {
        texts.push_back(pane->text());
    }
    EXPECT_EQ((std::vector<std::string>{"Ready", "CAP", "NUM", "SCRL"}), texts);
    // The message pane fills what the indicators leave, up to the first of them.
    const std::vector<Window*> panes = statusBar.children();
    EXPECT_EQ(0, panes[0]->rectangle().left);
    EXPECT_EQ(panes[1]->rectangle().left, panes[0]->rectangle().right);
    EXPECT_EQ(statusBar.rectangle().width(), panes[3]->rectangle().right);
    EXPECT_FALSE(panes[1]->isEnabled()); // no key-lock state is known: shown as off
}

TEST_F(FrameTest, FlyByPromptsShowTheFirstLineAndTipsTheSecond)
{
    Platform::MainFrame& frame = *application.frame();
    frame.showPrompt(documentFirst);
    EXPECT_EQ("Select a new device to control", frame.messageText());
    EXPECT_EQ("New Device", frame.toolTip(documentFirst));
    frame.showPrompt(unhandled);
    EXPECT_EQ("", frame.messageText());
    EXPECT_EQ("", frame.toolTip(unhandled));
    frame.showIdleMessage();
    EXPECT_EQ("Ready", frame.messageText());
    frame.showPrompt(CommandIds::appExit);
    EXPECT_EQ("Quit the application", frame.messageText()); // the program's prompt, not the framework's
}

TEST_F(FrameTest, APromptTakesTheWholeStatusBarUntilTheIdleTextComesBack)
{
    Platform::MainFrame& frame = *application.frame();
    const Window& statusBar = *frame.statusBar();
    const std::vector<Window*> panes = statusBar.children();
    ASSERT_EQ(4u, panes.size());
    const int width = statusBar.rectangle().width();
    const int idleWidth = panes[0]->rectangle().width();
    ASSERT_LT(idleWidth, width);

    frame.showPrompt(CommandIds::appExit);
    EXPECT_EQ(width, panes[0]->rectangle().width());
    for (std::size_t index = 1; index < panes.size(); ++index)
    {
        EXPECT_FALSE(panes[index]->isShown()) << panes[index]->text();
    }
    // The frame laid out again keeps the prompt whole.
    frame.recalcLayout();
    EXPECT_EQ(width, panes[0]->rectangle().width());

    frame.showIdleMessage();
    EXPECT_EQ(idleWidth, panes[0]->rectangle().width());
    EXPECT_EQ(panes[1]->rectangle().left, panes[0]->rectangle().right);
    for (std::size_t index = 1; index < panes.size(); ++index)
    {
        EXPECT_TRUE(panes[index]->isShown()) << panes[index]->text();
    }
}

TEST_F(FrameTest, TheViewCommandsHideAndShowTheBarsAndTheViewTakesTheRoom)
{
    Platform::MainFrame& frame = *application.frame();
    const Window& view = application.view()->window();
    const int toolBarHeight = frame.toolBar()->rectangle().height();
    EXPECT_EQ(toolBarHeight, view.rectangle().top);
    EXPECT_TRUE(frame.queryCommand(CommandIds::viewToolBar).checked);

    user.command(CommandIds::viewToolBar);
    EXPECT_FALSE(frame.toolBar()->isShown());
    EXPECT_FALSE(frame.commandState(CommandIds::viewToolBar)->checked);
    EXPECT_EQ(0, view.rectangle().top);

    user.command(CommandIds::viewStatusBar);
    EXPECT_FALSE(frame.statusBar()->isShown());
    EXPECT_EQ(frame.window().clientRectangle().bottom, view.rectangle().bottom);

    user.command(CommandIds::viewToolBar);
    EXPECT_TRUE(frame.toolBar()->isShown());
    EXPECT_TRUE(frame.commandState(CommandIds::viewToolBar)->checked);
    EXPECT_EQ(toolBarHeight, view.rectangle().top);
}

TEST_F(FrameTest, TheInitialUpdateShrinksTheFrameToTheForm)
{
    const Platform::MainFrame& frame = *application.frame();
    const Rectangle form = Platform::DialogTemplate::toPixels(0, 0, 200, 100);
    EXPECT_EQ(form.width(), frame.window().rectangle().width());
    EXPECT_EQ(form.height(), application.view()->window().rectangle().height());
}

TEST_F(FrameTest, DraggingStopsAtTheMaximumTrackingSize)
{
    Platform::MainFrame& frame = *application.frame();
    const int maximumWidth = frame.averageCharacterWidth() * 125;
    const int maximumHeight = frame.characterHeight() * 41;
    EXPECT_EQ(Rectangle(5, 6, 5 + maximumWidth, 6 + maximumHeight), frame.resizeByUser(Rectangle(5, 6, 2000, 2000)));
    EXPECT_EQ(Rectangle(5, 6, 305, 206), frame.resizeByUser(Rectangle(5, 6, 305, 206)));
    EXPECT_EQ(Rectangle(5, 6, 305, 206), frame.window().rectangle());
    EXPECT_EQ(frame.window().clientRectangle().bottom, frame.statusBar()->rectangle().bottom);
}

TEST_F(FrameTest, HelpTopicsOpensTheHelpFileOrSaysWhyNot)
{
    const std::string failure = "There was an error displaying the help file, 'Miniature.chm.'  The help file "
                                "and/or a suitable HTML Help file viewer may not be properly installed on your system";
    TemporaryFolder folder;
    const std::string present = folder.write("Miniature.chm", "topics");
    const std::string path = Platform::HelpViewer::pathOf("Miniature.chm");
    EXPECT_EQ('/', path[0]);
    EXPECT_EQ("/Miniature.chm", path.substr(path.size() - 14));

    // No opener: the file goes to the desktop, which cannot show it.
    user.expectMessageBox(failure);
    EXPECT_FALSE(Platform::HelpViewer::showTopics(present));
    user.finish();
    EXPECT_EQ(std::vector<std::string>{present}, backend.openedDocuments());

    backend.setDesktopOpens(true);
    EXPECT_TRUE(Platform::HelpViewer::showTopics(present));
    EXPECT_EQ(present, backend.openedDocuments().at(1));
    EXPECT_EQ(1u, backend.messageBoxes().size());

    // An opener would take a file that is not there, a folder or an unreadable
    // file and fail out of sight: the program says so itself.
    const std::string unreadable = folder.write("Locked.chm", "topics");
    std::filesystem::permissions(unreadable, std::filesystem::perms::none);
    const bool rootReadsAnyway = std::ifstream(unreadable).is_open();
    std::vector<std::string> refused = {folder.pathOf("Missing.chm"), folder.path()};
    if (!rootReadsAnyway)
    {
        refused.push_back(unreadable);
    }
    for (const std::string& each : refused)
    {
        SCOPED_TRACE(each);
        user.expectMessageBox(Platform::HelpViewer::failureText(each));
        EXPECT_FALSE(Platform::HelpViewer::showTopics(each));
        user.finish();
    }
    EXPECT_EQ(2u, backend.openedDocuments().size());
}

TEST(FileDialogTest, TheChoiceGivesPathNameAndTitle)
{
    Platform::HeadlessBackend backend;
    Platform::ScriptedUser user(backend);
    user.expectFileDialog(Platform::FileDialogKind::Save, "/tmp/out/report", "HTML Files (*.htm)|*.htm|All Files (*.*)|*.*||");
    user.expectFileDialogCancelled(Platform::FileDialogKind::Save);
    Platform::FileDialog dialog(Platform::FileDialogKind::Save, "htm", "HTML Files (*.htm)|*.htm|All Files (*.*)|*.*||");
    dialog.request().promptOverwrite = true;
    ASSERT_TRUE(dialog.run());
    EXPECT_EQ("/tmp/out/report.htm", dialog.path());
    EXPECT_EQ("report.htm", dialog.fileName());
    EXPECT_EQ("report", dialog.fileTitle());
    EXPECT_TRUE(backend.fileDialogs().at(0).promptOverwrite);
    EXPECT_FALSE(dialog.run());
    user.finish();
}
}
