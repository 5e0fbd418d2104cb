#include "ExampleTemplate.h"

#include "Platform/WaitCursor.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/MessageBoxRequest.h"
#include "Platform/Window/ScriptedUser.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using namespace Testing;
using Platform::Backend;
using Platform::DialogResult;
using Platform::Event;
using Platform::HeadlessBackend;
using Platform::MessageBoxRequest;
using Platform::Notification;
using Platform::ScriptedUser;
using Platform::Window;
using Platform::WindowKind;

const int newDevice = 32775;
const unsigned pollTimer = 1;
const unsigned closeSelected = 0x65;

// A miniature program in the shape the real ones take: a view that polls on
// a timer, runs a modal dialog for a command with the timer stopped, shows
// an error in a message box and closes its device through a posted message.
class MiniatureView
{
public:
    MiniatureView() : myView(WindowKind::Dialog, 0), myTabs(myView.createChild(WindowKind::TabControl, 1048))
    {
        myView.on(Notification::Command, newDevice, [this](Event&) { onNewDevice(); });
        myView.on(Notification::TimerTick, [this](Event&) { log.push_back("poll " + selected()); });
        myView.on(Notification::Message, closeSelected, [this](Event&) {
            myTabs.deleteTab(myTabs.selection());
            log.push_back("closed");
        });
        startPolling();
    }

    Window& window() { return myView; }
    std::string selected() const { return myTabs.itemText(myTabs.selection()); }

    std::vector<std::string> log;

private:
    void startPolling() { Backend::current().setTimer(myView, pollTimer, 15); }
    void stopPolling() { Backend::current().killTimer(myView, pollTimer); }

    void onNewDevice()
    {
        stopPolling();
        std::unique_ptr<Window> dialog = exampleTemplate().create();
        Window& type = *dialog->findChild(deviceType);
        for (const char* text : {"KQ310", "KQ330", "KQ350"})
        {
            type.addString(text);
        }
        type.setSelection(2);
        if (Backend::current().runModal(*dialog) == DialogResult::ok)
        {
            Platform::WaitCursor opening;
            const bool offLineChosen = dialog->findChild(offLine)->isChecked();
            if (!offLineChosen)
            {
                MessageBoxRequest error;
                error.text = "The device is not responding.";
                Backend::current().showMessageBox(error);
            }
            else
            {
                myTabs.insertTab(myTabs.itemCount(), type.text());
                myTabs.setSelection(myTabs.itemCount() - 1);
            }
        }
        startPolling();
    }

    Window myView;
    Window& myTabs;
};

TEST(ScriptedProgramTest, AWholeSessionRunsAsScripted)
{
    HeadlessBackend backend;
    ScriptedUser user(backend);
    MiniatureView view;
    user.lookAt(view.window());

    // An off-line KQ310, then an on-line unit that does not answer, then Cancel.
    user.expectDialog(exampleTemplateId, [&](Window&) {
        EXPECT_FALSE(backend.isTimerRunning(view.window(), pollTimer));
        EXPECT_EQ(0u, user.tick(3)); // no poll while the dialog is open
        user.pick(deviceType, 0);
        user.click(offLine);
        user.pressEnter();
    });
    user.expectDialog(exampleTemplateId, okButton);
    user.expectMessageBox("The device is not responding.", [&](const MessageBoxRequest&) {
        EXPECT_TRUE(backend.isWaitCursorShown());
        return DialogResult::ok;
    });
    user.expectDialog(exampleTemplateId, cancelButton);

    EXPECT_TRUE(user.command(newDevice));
    EXPECT_EQ(1u, user.tick());
    EXPECT_TRUE(user.command(newDevice));
    EXPECT_TRUE(user.command(newDevice));
    EXPECT_EQ(2u, user.tick(2));
    backend.post(view.window(), closeSelected);
    user.tick(); // the posted message comes before the tick
    user.finish();

    const std::vector<std::string> expected = {"poll KQ310", "poll KQ310", "poll KQ310", "closed", "poll "};
    EXPECT_EQ(expected, view.log);
    EXPECT_FALSE(backend.isWaitCursorShown());
    EXPECT_EQ(2u, backend.waitCursorShowings()); // both openings
    EXPECT_EQ(1u, backend.messageBoxes().size());
}

TEST(ScriptedProgramTest, AnUnexpectedBoxEndsTheSessionWithItsText)
{
    HeadlessBackend backend;
    ScriptedUser user(backend);
    MiniatureView view;
    user.lookAt(view.window());
    user.expectDialog(exampleTemplateId, okButton);
    try
    {
        user.command(newDevice);
        FAIL() << "the box was not scripted";
    }
    catch (const Platform::ScriptFailure& failure)
    {
        EXPECT_STREQ("Unexpected message box \"The device is not responding.\"", failure.what());
    }
    EXPECT_EQ(nullptr, backend.activeDialog());
    EXPECT_EQ(0u, Platform::WaitCursor::depth());
}
}
