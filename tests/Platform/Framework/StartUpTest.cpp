#include "MiniatureProgram.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Framework/RecentFileList.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/SteadyWait.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace
{
using namespace Miniature;
using Platform::CommandIds;

bool logged(const std::string& anEntry)
{
    return std::find(log.begin(), log.end(), anEntry) != log.end();
}

class StartUpTest : public Fixture, public ::testing::Test
{
};

TEST_F(StartUpTest, WithoutArgumentsANewDocumentIsMadeAndTheFrameShownAfterTheInitialUpdate)
{
    TestApplication application;
    ASSERT_TRUE(start(application));

    ASSERT_NE(nullptr, application.document());
    EXPECT_EQ(newTitle, application.document()->title());
    EXPECT_EQ("", application.document()->pathName());
    EXPECT_EQ("Vorna - Miniat", application.frame()->window().text());
    const std::vector<std::string> expected = {"new document", "update 0", "initial update"};
    EXPECT_EQ(expected, log);
    // The view ran before the program showed its frame.
    EXPECT_FALSE(application.view()->frameShownAtInitialUpdate);
    EXPECT_TRUE(application.frame()->window().isShown());
    EXPECT_EQ(std::vector<Platform::Window*>{&application.frame()->window()}, backend.openWindows());
    EXPECT_EQ(1u, backend.paintings());
    EXPECT_EQ(application.view(), application.document()->firstView());
    EXPECT_TRUE(backend.isTimerRunning(application.view()->window(), pollTimer));
}

TEST_F(StartUpTest, AFileArgumentOpensThatFile)
{
    TemporaryFolder files;
    const std::string path = files.write("first.mnt", "content");
    TestApplication application;
    ASSERT_TRUE(start(application, {"-x", path}));

    EXPECT_EQ(path, application.document()->pathName());
    EXPECT_EQ("first.mnt", application.document()->title());
    EXPECT_EQ("first.mnt - Miniat", application.frame()->window().text());
    EXPECT_TRUE(logged("open document"));
    EXPECT_FALSE(logged("new document"));
    EXPECT_EQ(std::vector<std::string>{path}, application.recentFiles()->files());
}

TEST_F(StartUpTest, AFileThatCannotBeOpenedEndsTheStartWithItsMessage)
{
    TemporaryFolder files;
    const std::string path = files.pathOf("missing.mnt");
    user.expectMessageBox("The file " + path + " could not be opened.");
    TestApplication application;
    EXPECT_EQ(1, application.main({path}));
    user.finish();
    EXPECT_EQ(nullptr, application.mainFrame());
    EXPECT_TRUE(backend.openWindows().empty());
    EXPECT_EQ("Miniature", backend.messageBoxes().at(0).caption);
}

TEST_F(StartUpTest, OnlyARegularFileIsOpenedAndNothingBlocks)
{
    TemporaryFolder files;
    const std::string fifo = files.pathOf("fifo.mnt");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    for (const std::string& path : {fifo, files.path(), std::string("/dev/zero")})
    {
        user.expectMessageBox("The file " + path + " could not be opened.");
        TestApplication application;
        EXPECT_EQ(1, application.main({path}));
        user.finish();
        EXPECT_EQ(nullptr, application.mainFrame()) << path;
        EXPECT_TRUE(backend.openWindows().empty()) << path;
    }
}

// The start-up waits on a unit (opening the device it was given) and a close
// comes meanwhile: the program ends as a close ends it, with the exit code 0,
// its document closed and no loop run.
TEST_F(StartUpTest, ACloseWhileTheStartWaitsEndsTheProgramWithZero)
{
    class WaitingApplication : public TestApplication
    {
    public:
        bool initInstance() override
        {
            if (!TestApplication::initInstance())
            {
                return false;
            }
            Platform::SteadyWait::interrupt();
            Platform::SteadyWait::wait(20000, []() {});
            log.push_back("started");
            return true;
        }
    } application;
    EXPECT_EQ(0, application.main({}));
    EXPECT_FALSE(logged("started"));
    EXPECT_TRUE(logged("close document"));
    EXPECT_EQ(nullptr, application.mainFrame());
    EXPECT_FALSE(Platform::SteadyWait::isInterrupted());
}

TEST_F(StartUpTest, ExitHidesTheFrameAndTheEndOfTheLoopClosesTheDocument)
{
    TestApplication application;
    ASSERT_TRUE(start(application));
    Platform::Window::Watch frame(application.frame()->window());
    log.clear();

    EXPECT_TRUE(user.command(CommandIds::appExit));
    EXPECT_TRUE(backend.isQuitPosted());
    EXPECT_TRUE(application.isClosing());
    EXPECT_TRUE(backend.openWindows().empty());
    ASSERT_TRUE(frame.alive()); // a handler still running keeps its document
    EXPECT_FALSE(frame.get()->isShown());
    EXPECT_TRUE(log.empty());

    EXPECT_EQ(0, application.run());
    EXPECT_FALSE(frame.alive());
    EXPECT_EQ(std::vector<std::string>{"close document"}, log);
    EXPECT_EQ(nullptr, application.mainFrame());
}

TEST_F(StartUpTest, ALoopOfTheProgramsOwnSeesTheQuitRequestWhileItsDocumentLives)
{
    TestApplication application;
    ASSERT_TRUE(start(application));
    // Like a download that pumps messages while the user closes the window.
    backend.later([&]() { user.closeWindow(); });
    bool quitSeen = false;
    while (Platform::Backend::current().hasPendingMessage() && !quitSeen)
    {
        quitSeen = !application.pumpMessage();
    }
    EXPECT_TRUE(quitSeen);
    ASSERT_NE(nullptr, application.document());
    EXPECT_EQ(newTitle, application.document()->title());
    Platform::Backend::current().postQuit(0); // passed on to the program's main loop
    EXPECT_EQ(0, application.run());
    EXPECT_EQ(nullptr, application.document());
}

TEST_F(StartUpTest, AModifiedDocumentAsksBeforeExitAndCancelKeepsItOpen)
{
    TestApplication application;
    ASSERT_TRUE(start(application));
    application.document()->setModified();

    user.expectMessageBox("Save changes to Vorna?", Platform::DialogResult::cancel);
    user.command(CommandIds::appExit);
    EXPECT_NE(nullptr, application.mainFrame());
    EXPECT_FALSE(backend.isQuitPosted());

    user.expectMessageBox("Save changes to Vorna?", Platform::DialogResult::no);
    user.command(CommandIds::appExit);
    user.finish();
    EXPECT_TRUE(backend.isQuitPosted());
    EXPECT_EQ(0, application.run());
    EXPECT_EQ(nullptr, application.mainFrame());
}

TEST_F(StartUpTest, TheCloseBoxAndTheSessionEndCloseTheProgram)
{
    for (bool sessionEnds : {false, true})
    {
        TestApplication application;
        ASSERT_TRUE(start(application));
        application.document()->setModified();
        if (sessionEnds)
        {
            user.endSession(); // no question: the desktop is going away
        }
        else
        {
            user.expectMessageBox("Save changes to Vorna?", Platform::DialogResult::no);
            user.closeWindow();
        }
        user.finish();
        EXPECT_TRUE(backend.isQuitPosted()) << sessionEnds;
        EXPECT_EQ(0, application.run()) << sessionEnds;
        EXPECT_EQ(nullptr, application.mainFrame()) << sessionEnds;
    }
}

TEST_F(StartUpTest, AFrameOrViewThatCannotBeMadeEndsTheStart)
{
    for (bool withToolBar : {false, true})
    {
        TestApplication application(Miniature::resources(withToolBar, !withToolBar));
        EXPECT_EQ(1, application.main({})) << withToolBar;
        EXPECT_EQ(nullptr, application.mainFrame()) << withToolBar;
        EXPECT_EQ(nullptr, application.document()) << withToolBar;
        EXPECT_TRUE(backend.openWindows().empty()) << withToolBar;
        // A document that never opened is not closed either.
        EXPECT_TRUE(log.empty()) << withToolBar;
    }
}

TEST_F(StartUpTest, MessageBoxesCarryTheProgramsNameAndAFittingIcon)
{
    TestApplication application;
    user.expectMessageBox("Windows sockets initialization failed.");
    user.expectMessageBox("Go on?", Platform::DialogResult::no);
    EXPECT_EQ(Platform::DialogResult::ok, Platform::MessageBox::showString(104));
    EXPECT_EQ(Platform::DialogResult::no, Platform::MessageBox::show("Go on?", Platform::MessageBoxButtons::YesNo));
    user.finish();
    EXPECT_EQ("Miniature", backend.messageBoxes().at(0).caption);
    EXPECT_EQ(Platform::MessageBoxIcon::Warning, backend.messageBoxes().at(0).icon);
    EXPECT_EQ(Platform::MessageBoxIcon::Question, backend.messageBoxes().at(1).icon);
}

TEST_F(StartUpTest, ARelativeFileArgumentIsKeptAsAFullPath)
{
    TemporaryFolder files;
    files.write("here.mnt", "");
    const std::string previous = std::filesystem::current_path().string();
    std::filesystem::current_path(files.path());
    TestApplication application;
    const bool started = start(application, {"here.mnt"});
    std::filesystem::current_path(previous);
    ASSERT_TRUE(started);
    EXPECT_EQ(files.pathOf("here.mnt"), application.document()->pathName());
    EXPECT_EQ(files.pathOf("here.mnt"), application.recentFiles()->file(0));
}

TEST_F(StartUpTest, UpdateAllViewsSkipsTheSender)
{
    TestApplication application;
    ASSERT_TRUE(start(application));
    log.clear();
    application.document()->updateAllViews(nullptr, 7);
    application.document()->updateAllViews(application.view(), 8);
    EXPECT_EQ(std::vector<std::string>{"update 7"}, log);
}

TEST_F(StartUpTest, FileOpenAsksWithTheTemplatesFilterAndOpensTheChoice)
{
    TemporaryFolder files;
    const std::string path = files.write("chosen.mnt", "");
    TestApplication application;
    ASSERT_TRUE(start(application));
    user.expectFileDialog(Platform::FileDialogKind::Open, files.pathOf("chosen"),
                          "Miniature Files (*.mnt)|*.mnt|All Files (*.*)|*.*||");
    user.command(CommandIds::fileOpen);
    user.finish();
    EXPECT_EQ(path, application.document()->pathName());
    EXPECT_EQ("chosen.mnt - Miniat", application.frame()->window().text());
    EXPECT_TRUE(backend.fileDialogs().at(0).fileMustExist);

    // The same file again is already open: no second opening.
    log.clear();
    EXPECT_EQ(application.document(), application.openDocumentFile(path));
    EXPECT_TRUE(log.empty());
}
}
