#include "MiniatureProgram.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/CommandRouter.h"
#include "Platform/Framework/CommandTarget.h"

#include <gtest/gtest.h>

namespace
{
using namespace Miniature;
using Platform::CommandIds;
using Platform::CommandState;

class CommandRoutingTest : public Fixture, public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start(application));
        log.clear();
    }

    TestApplication application;
};

struct RoutingCase
{
    unsigned command;
    const char* handler;
};

TEST_F(CommandRoutingTest, TheViewThenTheDocumentThenTheFrameThenTheApplicationTakeACommand)
{
    const RoutingCase cases[] = {
        {viewFirst, "view viewFirst"},
        {documentFirst, "document documentFirst"},
        {frameFirst, "frame frameFirst"},
        {applicationOnly, "application applicationOnly"},
    };
    for (const RoutingCase& routing : cases)
    {
        log.clear();
        EXPECT_TRUE(application.frame()->routeCommand(routing.command)) << routing.command;
        EXPECT_EQ(std::vector<std::string>{routing.handler}, log) << routing.command;
    }
}

TEST_F(CommandRoutingTest, MenuAndToolBarReachTheSameHandlers)
{
    EXPECT_TRUE(user.command(documentFirst));
    EXPECT_TRUE(user.click(documentFirst)); // its tool-bar button
    const std::vector<std::string> expected = {"document documentFirst", "document documentFirst"};
    EXPECT_EQ(expected, log);
}

TEST_F(CommandRoutingTest, ADisabledCommandIsNotCarriedOutHoweverItArrives)
{
    EXPECT_FALSE(application.frame()->routeCommand(guarded));
    user.command(guarded);
    EXPECT_TRUE(log.empty());

    application.view()->ready = true;
    EXPECT_TRUE(application.frame()->routeCommand(guarded));
    EXPECT_EQ(std::vector<std::string>{"document guarded"}, log);
}

TEST_F(CommandRoutingTest, ACommandNobodyHandlesIsDisabled)
{
    EXPECT_FALSE(application.frame()->queryCommand(unhandled).enabled);
    EXPECT_FALSE(application.frame()->routeCommand(unhandled));
    EXPECT_TRUE(application.frame()->queryCommand(applicationOnly).enabled);
    // The first update handler in routing order decides.
    EXPECT_TRUE(application.frame()->queryCommand(documentFirst).checked);
    EXPECT_FALSE(application.frame()->queryCommand(frameFirst).checked);
}

TEST_F(CommandRoutingTest, EachTickOfThePollTimerUpdatesMenuAndToolBarStates)
{
    Platform::Window& button = *application.frame()->toolBar()->findChild(static_cast<int>(guarded));
    EXPECT_FALSE(button.isEnabled());
    EXPECT_FALSE(application.frame()->commandState(guarded)->enabled);

    application.view()->ready = true;
    EXPECT_FALSE(button.isEnabled()); // not before idle processing
    EXPECT_EQ(1u, user.tick());
    EXPECT_TRUE(button.isEnabled());
    EXPECT_TRUE(application.frame()->commandState(guarded)->enabled);
    EXPECT_TRUE(user.click(guarded));
    EXPECT_EQ(std::vector<std::string>{"document guarded"}, log);

    application.view()->ready = false;
    user.tick();
    EXPECT_FALSE(button.isEnabled());
    EXPECT_FALSE(user.click(guarded)); // the user cannot reach a disabled button
    EXPECT_EQ(1u, log.size());
}

// Every tick asks every command again, but only a state that changed reaches
// the windows: a tick that changes nothing leaves the desktop nothing to do.
TEST_F(CommandRoutingTest, ATickChangesTheWindowsOnlyWhenAStateChanged)
{
    user.tick();
    const unsigned long quiet = Platform::Window::changeCount();
    user.tick();
    user.tick();
    EXPECT_EQ(quiet, Platform::Window::changeCount()) << "ticks that changed no state changed a window";

    const Platform::Window& frame = application.frame()->window();
    const Platform::Window& button = *application.frame()->toolBar()->findChild(static_cast<int>(guarded));
    const unsigned long frameBefore = frame.generation();
    application.view()->ready = true;
    user.tick();
    EXPECT_GT(frame.generation(), frameBefore) << "the menu shows the new state";
    EXPECT_TRUE(button.isEnabled());
}

TEST_F(CommandRoutingTest, IdleStatesCoverEveryMenuAndToolBarCommand)
{
    user.tick();
    const Platform::MainFrame& frame = *application.frame();
    for (unsigned command : {viewFirst, documentFirst, frameFirst, applicationOnly, CommandIds::appExit,
                             CommandIds::viewToolBar, CommandIds::viewStatusBar})
    {
        ASSERT_TRUE(frame.commandState(command).has_value()) << command;
        EXPECT_TRUE(frame.commandState(command)->enabled) << command;
    }
    for (unsigned command : {unhandled, CommandIds::helpTopics, CommandIds::recentFileFirst})
    {
        ASSERT_TRUE(frame.commandState(command).has_value()) << command;
        EXPECT_FALSE(frame.commandState(command)->enabled) << command;
    }
    EXPECT_TRUE(frame.commandState(documentFirst)->checked);
    EXPECT_TRUE(frame.toolBar()->findChild(static_cast<int>(documentFirst))->isPressed());
    EXPECT_FALSE(frame.toolBar()->findChild(static_cast<int>(CommandIds::helpTopics))->isEnabled());
    EXPECT_FALSE(frame.commandState(12345).has_value());
    // A drawing backend asks the frame's window, as for a menu about to open.
    EXPECT_FALSE(application.frame()->window().updateCommand(guarded)->enabled);
    application.view()->ready = true;
    EXPECT_TRUE(application.frame()->window().updateCommand(guarded)->enabled);
}

// A router on its own: targets made for the test, none of them a window.
class Target : public Platform::CommandTarget
{
public:
    explicit Target(const std::string& aName)
    {
        mapCommandRange(10, 12, [this, aName](unsigned anId) { log.push_back(aName + " " + std::to_string(anId)); });
    }
    void disable(unsigned anId)
    {
        mapCommandUpdate(anId, [](CommandState& aState) { aState.enabled = false; });
    }
};

TEST(CommandRouterTest, NullTargetsArePassedOverAndRangesTakeEveryId)
{
    log.clear();
    Target first("first");
    Target second("second");
    first.disable(11);
    const Platform::CommandRouter router({nullptr, &first, &second});
    EXPECT_TRUE(router.route(10));
    EXPECT_FALSE(router.route(11)); // the first target disables it for everyone
    EXPECT_TRUE(router.route(12));
    EXPECT_FALSE(router.route(13));
    const std::vector<std::string> expected = {"first 10", "first 12"};
    EXPECT_EQ(expected, log);
    log.clear();
}
}
