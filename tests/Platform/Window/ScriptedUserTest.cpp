#include "ExampleTemplate.h"

#include "Platform/WaitCursor.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/ScriptFailure.h"
#include "Platform/Window/ScriptedUser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
using namespace Testing;
using Platform::Backend;
using Platform::DialogResult;
using Platform::Event;
using Platform::FileDialogKind;
using Platform::FileDialogRequest;
using Platform::HeadlessBackend;
using Platform::MessageBoxButtons;
using Platform::MessageBoxRequest;
using Platform::Notification;
using Platform::ScriptedUser;
using Platform::ScriptFailure;
using Platform::Window;
using Platform::WindowKind;
using Platform::WindowStyle;
using ::testing::HasSubstr;

// The example dialog open as the main window, with a user looking at it.
class ScriptedUserTest : public ::testing::Test
{
protected:
    ScriptedUserTest() : myDialog(exampleTemplate().create()), myUser(myBackend)
    {
        myUser.lookAt(*myDialog);
        Window& combo = window(deviceType);
        for (const char* text : {"KQ310", "KQ330", "KQ350"})
        {
            combo.addString(text);
        }
        combo.setSelection(2);
    }
    ~ScriptedUserTest() override { Window::clearFocus(); }

    Window& window(int anId) { return *myDialog->findChild(anId); }

    // What a handler sees of its control when it runs.
    void record(int anId, Notification aNotification, const std::function<std::string(Window&)>& aReading)
    {
        window(anId).on(aNotification, [this, aReading](Event& anEvent) { mySeen.push_back(aReading(*anEvent.window)); });
    }

    int runExampleModally()
    {
        std::unique_ptr<Window> dialog = exampleTemplate().create();
        return myBackend.runModal(*dialog);
    }

    HeadlessBackend myBackend;
    std::unique_ptr<Window> myDialog;
    ScriptedUser myUser;
    std::vector<std::string> mySeen;
};

// --- the model takes the user's change before the handler runs ---

TEST_F(ScriptedUserTest, ACheckBoxHandlerReadsTheToggledState)
{
    record(offLine, Notification::Clicked, [](Window& aBox) { return aBox.isChecked() ? "checked" : "clear"; });
    EXPECT_TRUE(myUser.click(offLine));
    EXPECT_TRUE(myUser.click(offLine));
    EXPECT_EQ((std::vector<std::string>{"checked", "clear"}), mySeen);
    EXPECT_TRUE(window(offLine).hasFocus());
}

TEST_F(ScriptedUserTest, AClickReleasesThePushedLookBeforeItsHandler)
{
    window(okButton).on(Notification::Clicked, [](Event&) {});
    record(okButton, Notification::Clicked, [](Window& aButton) { return aButton.isPressed() ? "pressed" : "up"; });
    window(okButton).setPressed(true);
    EXPECT_TRUE(myUser.click(okButton));
    EXPECT_EQ(std::vector<std::string>{"up"}, mySeen);
}

TEST_F(ScriptedUserTest, ARadioButtonChecksItselfAndClearsOnlyItsGroup)
{
    myDialog->checkRadioIndex(firstPort, 0);
    myDialog->checkRadioIndex(firstRate, 1);
    record(secondPort, Notification::Clicked, [this](Window&) { return std::to_string(myDialog->checkedRadioIndex(firstPort)); });
    EXPECT_TRUE(myUser.click(secondPort));
    EXPECT_TRUE(myUser.click(secondPort));
    EXPECT_EQ((std::vector<std::string>{"1", "1"}), mySeen);
    EXPECT_FALSE(window(firstPort).isChecked());
    EXPECT_EQ(1, myDialog->checkedRadioIndex(firstRate));
}

TEST_F(ScriptedUserTest, AComboHandlerReadsThePickedItemEvenWhenUnchanged)
{
    record(deviceType, Notification::SelectionChanged, [](Window& aCombo) { return aCombo.text(); });
    EXPECT_TRUE(myUser.pick(deviceType, 0));
    EXPECT_TRUE(myUser.pick(deviceType, 0));
    EXPECT_EQ((std::vector<std::string>{"KQ310", "KQ310"}), mySeen);
    EXPECT_THROW(myUser.pick(deviceType, 3), ScriptFailure);
    EXPECT_EQ(0, window(deviceType).selection());
}

TEST_F(ScriptedUserTest, AListNotifiesOnlyWhenItNotifiesAndNeverWhenReadOnly)
{
    WindowStyle notifying;
    notifying.notify = true;
    Window& quiet = myDialog->createChild(WindowKind::ListBox, 1600);
    Window& loud = myDialog->createChild(WindowKind::ListBox, 1601, "", notifying);
    for (Window* list : {&quiet, &loud})
    {
        list->addString("Not locked");
        list->addString("Locked");
        list->setSelection(0);
    }
    record(1600, Notification::SelectionChanged, [](Window& aList) { return "quiet " + aList.text(); });
    record(1601, Notification::SelectionChanged, [](Window& aList) { return "loud " + aList.itemText(aList.selection()); });
    EXPECT_TRUE(myUser.pick(1600, 1));
    EXPECT_TRUE(myUser.pick(1601, 0));
    EXPECT_TRUE(myUser.pick(1601, 1));
    EXPECT_EQ(std::vector<std::string>{"loud Locked"}, mySeen);
    EXPECT_EQ(1, quiet.selection());

    loud.setReadOnly(true);
    EXPECT_FALSE(myUser.pick(1601, 0));
    EXPECT_EQ(1, loud.selection());
}

TEST_F(ScriptedUserTest, TypingCommitsKeyByKeyWithinTheLimit)
{
    Window& edit = window(address);
    edit.setText("070");
    edit.setTextLimit(3);
    record(address, Notification::EditChanged, [](Window& anEdit) { return anEdit.text(); });
    EXPECT_FALSE(myUser.type(address, "1500"));
    EXPECT_EQ((std::vector<std::string>{"1", "15", "150"}), mySeen);
    EXPECT_EQ("150", edit.text());

    mySeen.clear();
    EXPECT_TRUE(myUser.type(address, ""));
    EXPECT_EQ(std::vector<std::string>{""}, mySeen);
}

TEST_F(ScriptedUserTest, KeysFollowTheFocusWhenAHandlerMovesItOn)
{
    Window& hour = myDialog->createChild(WindowKind::Edit, 1202, "00");
    Window& minute = myDialog->createChild(WindowKind::Edit, 1203, "00");
    hour.on(Notification::EditChanged, [&hour, &minute](Event&) {
        if (hour.hasFocus() && hour.text().size() >= 2)
        {
            minute.setFocus();
            minute.selectText(0, 2);
        }
    });
    std::vector<std::string> refreshed;
    hour.on(Notification::FocusLost, [&refreshed](Event& anEvent) { refreshed.push_back(anEvent.window->text()); });
    EXPECT_TRUE(myUser.type(1202, "2359"));
    EXPECT_EQ("23", hour.text());
    EXPECT_EQ("59", minute.text());
    EXPECT_EQ(std::vector<std::string>{"23"}, refreshed);
    EXPECT_TRUE(minute.hasFocus());
}

TEST_F(ScriptedUserTest, LeavingAnEditTellsItBeforeTheNextControlGetsTheFocus)
{
    std::vector<std::string> order;
    window(address).on(Notification::FocusLost, [&order](Event&) { order.push_back("address lost"); });
    window(offLine).on(Notification::FocusGained, [&order](Event&) { order.push_back("off line gained"); });
    EXPECT_FALSE(myUser.leave(address));
    EXPECT_TRUE(myUser.type(address, "8280"));
    EXPECT_TRUE(myUser.leave(address));
    EXPECT_EQ((std::vector<std::string>{"address lost", "off line gained"}), order);
    EXPECT_TRUE(window(offLine).hasFocus());
}

TEST_F(ScriptedUserTest, AClickOnAButtonTakesTheFocusFromTheEditFirst)
{
    std::vector<std::string> order;
    window(address).on(Notification::FocusLost, [&order](Event&) { order.push_back("commit the name"); });
    window(offLine).on(Notification::Clicked, [&order](Event&) { order.push_back("clicked"); });
    myUser.type(address, "x");
    myUser.click(offLine);
    EXPECT_EQ((std::vector<std::string>{"commit the name", "clicked"}), order);
}

TEST_F(ScriptedUserTest, AHandlerThatDisablesTheTargetOnFocusLossStopsTheClick)
{
    myUser.type(address, "x");
    window(address).on(Notification::FocusLost, [this](Event&) { window(offLine).enable(false); });
    EXPECT_FALSE(myUser.click(offLine));
    EXPECT_FALSE(window(offLine).isChecked());
}

// --- input that cannot reach its control changes nothing ---

struct UnreachableCase
{
    const char* name;
    std::function<void(Window& aDialog)> block;
};

class UnreachableTest : public ScriptedUserTest, public ::testing::WithParamInterface<UnreachableCase>
{
};

TEST_P(UnreachableTest, InputIsRefusedAndNothingIsNotified)
{
    Window& tabs = window(pages);
    tabs.insertTab(0, "Preprocessing");
    tabs.insertTab(1, "Bitstream Info");
    window(address).setText("8280");
    int notifications = 0;
    for (int id : {offLine, deviceType, address, addressSpin, pages})
    {
        for (Notification notification : {Notification::Clicked, Notification::SelectionChanged,
                                          Notification::EditChanged, Notification::SpinDelta,
                                          Notification::TabSelectionChanging, Notification::TabSelectionChanged})
        {
            window(id).on(notification, [&notifications](Event&) { ++notifications; });
        }
    }
    GetParam().block(*myDialog);
    EXPECT_FALSE(myUser.click(offLine));
    EXPECT_FALSE(myUser.pick(deviceType, 0));
    EXPECT_FALSE(myUser.type(address, "9080"));
    EXPECT_FALSE(myUser.spin(addressSpin, ScriptedUser::Arrow::Up));
    EXPECT_FALSE(myUser.selectTab(pages, 1));
    EXPECT_EQ(0, notifications);
    EXPECT_FALSE(window(offLine).isChecked());
    EXPECT_EQ(2, window(deviceType).selection());
    EXPECT_EQ("8280", window(address).text());
    EXPECT_EQ(0, window(pages).selection());
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, UnreachableTest,
    ::testing::Values(UnreachableCase{"disabled controls",
                                      [](Window& aDialog) {
                                          for (Window* child : aDialog.children())
                                          {
                                              child->enable(false);
                                          }
                                      }},
                      UnreachableCase{"a disabled dialog", [](Window& aDialog) { aDialog.enable(false); }},
                      UnreachableCase{"a hidden dialog", [](Window& aDialog) { aDialog.show(false); }}));

TEST_F(ScriptedUserTest, AReadOnlyEditTakesTheFocusButNoKeys)
{
    window(address).setReadOnly(true);
    EXPECT_FALSE(myUser.type(address, "9"));
    EXPECT_TRUE(window(address).hasFocus());
    EXPECT_EQ("", window(address).text());
}

// --- up-downs ---

TEST_F(ScriptedUserTest, TheDefaultRangeMakesTheUpArrowANegativeDelta)
{
    std::vector<int> deltas;
    window(addressSpin).on(Notification::SpinDelta, [&deltas](Event& anEvent) { deltas.push_back(anEvent.delta); });
    EXPECT_TRUE(myUser.spin(addressSpin, ScriptedUser::Arrow::Up));
    EXPECT_TRUE(myUser.spin(addressSpin, ScriptedUser::Arrow::Down));
    EXPECT_TRUE(myUser.spin(addressSpin, ScriptedUser::Arrow::Down, 2.5));
    EXPECT_EQ((std::vector<int>{-1, 1, 5}), deltas);
    EXPECT_EQ(6, window(addressSpin).position());
    EXPECT_TRUE(window(address).hasFocus());
}

TEST_F(ScriptedUserTest, ASetRangeStepsUpwardsAndTheHandlerMayRefuseTheMove)
{
    Window& spin = window(addressSpin);
    spin.setRange(-32128, -2);
    spin.setAccelerations({{0, 2}, {2, 4}, {4, 16}, {8, 64}});
    spin.setPosition(-32128);
    std::vector<std::string> seen;
    bool refuse = false;
    spin.on(Notification::SpinDelta, [&seen, &refuse](Event& anEvent) {
        seen.push_back(std::to_string(anEvent.position) + (anEvent.delta < 0 ? "" : "+") + std::to_string(anEvent.delta));
        anEvent.result = refuse ? 1 : 0;
    });
    myUser.spin(addressSpin, ScriptedUser::Arrow::Up, 8);
    refuse = true;
    myUser.spin(addressSpin, ScriptedUser::Arrow::Up);
    EXPECT_EQ((std::vector<std::string>{"-32128+64", "-32064+2"}), seen);
    EXPECT_EQ(-32064, spin.position());
}

TEST_F(ScriptedUserTest, AnUpDownThatSetsItsBuddyWritesTheEditWhichNotifies)
{
    WindowStyle buddyInteger;
    buddyInteger.setBuddyInteger = true;
    Window& edit = myDialog->createChild(WindowKind::Edit, 1079, "3");
    Window& spin = myDialog->createChild(WindowKind::UpDown, 1080, "", buddyInteger);
    spin.setBuddy(&edit);
    spin.setRange(0, 6);
    spin.setPosition(3);
    record(1079, Notification::EditChanged, [](Window& anEdit) { return anEdit.text(); });
    myUser.spin(1080, ScriptedUser::Arrow::Up);
    myUser.spin(1080, ScriptedUser::Arrow::Up, 9);
    EXPECT_EQ((std::vector<std::string>{"4", "6"}), mySeen);
}

// --- tabs ---

TEST_F(ScriptedUserTest, ATabChangeIsAskedThenMadeThenTold)
{
    Window& tabs = window(pages);
    tabs.insertTab(0, "Preprocessing");
    tabs.insertTab(1, "Bitstream Info");
    tabs.insertTab(2, "Dual Mono");
    record(pages, Notification::TabSelectionChanging, [](Window& aTabs) { return "changing from " + std::to_string(aTabs.selection()); });
    record(pages, Notification::TabSelectionChanged, [](Window& aTabs) { return "changed to " + std::to_string(aTabs.selection()); });
    EXPECT_TRUE(myUser.selectTab(pages, 2));
    EXPECT_TRUE(myUser.selectTab(pages, 2));
    EXPECT_EQ((std::vector<std::string>{"changing from 0", "changed to 2"}), mySeen);

    mySeen.clear();
    tabs.on(Notification::TabSelectionChanging, [](Event& anEvent) { anEvent.result = 1; });
    EXPECT_TRUE(myUser.selectTab(pages, 0));
    EXPECT_TRUE(mySeen.empty());
    EXPECT_EQ(2, tabs.selection());
    EXPECT_THROW(myUser.selectTab(pages, 3), ScriptFailure);
}

// --- finding controls ---

TEST_F(ScriptedUserTest, AmongControlsOfOneIdTheVisibleOneIsUsed)
{
    Window& tabs = window(pages);
    Window& first = tabs.createChild(WindowKind::Dialog, 0);
    Window& second = tabs.createChild(WindowKind::Dialog, 0);
    Window& firstList = first.createChild(WindowKind::ListBox, 1600);
    Window& secondList = second.createChild(WindowKind::ListBox, 1600);
    EXPECT_THROW(myUser.control(1600), ScriptFailure);
    second.show(false);
    EXPECT_EQ(&firstList, &myUser.control(1600));
    first.show(false);
    second.show(true);
    EXPECT_EQ(&secondList, &myUser.control(1600));
    try
    {
        myUser.control(4242);
        FAIL() << "no control 4242";
    }
    catch (const ScriptFailure& failure)
    {
        EXPECT_THAT(failure.what(), HasSubstr("No control 4242"));
    }
}

TEST_F(ScriptedUserTest, InputsRefuseControlsOfTheWrongKind)
{
    EXPECT_THROW(myUser.type(offLine, "x"), ScriptFailure);
    EXPECT_THROW(myUser.click(deviceType), ScriptFailure);
    EXPECT_THROW(myUser.spin(address, ScriptedUser::Arrow::Up), ScriptFailure);
    EXPECT_THROW(myUser.pick(offLine, 0), ScriptFailure);
}

// --- modal loops ---

TEST_F(ScriptedUserTest, AModalDialogIsPlayedByItsScriptAndEndsWithItsButton)
{
    myUser.expectDialog(exampleTemplateId, [this](Window& aDialog) {
        EXPECT_EQ(&aDialog, myBackend.activeDialog());
        EXPECT_TRUE(aDialog.isShown());
        EXPECT_TRUE(aDialog.isModal());
        EXPECT_TRUE(myUser.click(offLine));
        EXPECT_TRUE(aDialog.findChild(offLine)->isChecked());
        EXPECT_FALSE(myDialog->findChild(offLine)->isChecked());
        EXPECT_FALSE(myUser.command(32775)); // the main window is blocked
        myUser.click(okButton);
    });
    std::unique_ptr<Window> dialog = exampleTemplate().create();
    EXPECT_EQ(DialogResult::ok, myBackend.runModal(*dialog));
    EXPECT_FALSE(dialog->isShown());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(nullptr, myBackend.activeDialog());
    myUser.finish();
}

TEST_F(ScriptedUserTest, EnterAndEscapeAnswerADialogAsItsButtonsDo)
{
    myUser.expectDialog(exampleTemplateId, [this](Window&) { myUser.pressEscape(); });
    myUser.expectDialog(exampleTemplateId, [this](Window&) { myUser.pressEnter(); });
    myUser.expectDialog(exampleTemplateId, [this](Window& aDialog) {
        aDialog.findChild(cancelButton)->setFocus(); // a focused button is what Enter clicks
        myUser.pressEnter();
    });
    EXPECT_EQ(DialogResult::cancel, runExampleModally());
    EXPECT_EQ(DialogResult::ok, runExampleModally());
    EXPECT_EQ(DialogResult::cancel, runExampleModally());
}

TEST_F(ScriptedUserTest, EnterInAChildDialogGoesToThatDialog)
{
    Window& panel = window(pages).createChild(WindowKind::Dialog, 0);
    Window& name = panel.createChild(WindowKind::Edit, 1061);
    std::vector<int> panelCommands;
    panel.on(Notification::Command, [&panelCommands](Event& anEvent) { panelCommands.push_back(anEvent.code); });
    myUser.type(1061, "Studio A");
    myUser.pressEnter();
    myUser.pressEscape();
    EXPECT_EQ((std::vector<int>{DialogResult::ok, DialogResult::cancel}), panelCommands);
    EXPECT_TRUE(name.hasFocus());
}

TEST_F(ScriptedUserTest, AButtonAnswersAScriptedDialog)
{
    myUser.expectDialog(exampleTemplateId, cancelButton);
    EXPECT_EQ(DialogResult::cancel, runExampleModally());
}

TEST_F(ScriptedUserTest, ADialogHandlerThatEndsItWithItsOwnCode)
{
    myUser.expectDialog(exampleTemplateId, [this](Window&) { myUser.click(offLine); });
    std::unique_ptr<Window> dialog = exampleTemplate().create();
    Window& box = *dialog->findChild(offLine);
    box.on(Notification::Clicked, [&dialog](Event&) { dialog->endDialog(7); });
    EXPECT_EQ(7, myBackend.runModal(*dialog));
}

TEST_F(ScriptedUserTest, AScriptThatLeavesItsDialogOpenFails)
{
    myUser.expectDialog(exampleTemplateId, [](Window&) {});
    try
    {
        runExampleModally();
        FAIL() << "the dialog stayed open";
    }
    catch (const ScriptFailure& failure)
    {
        EXPECT_THAT(failure.what(), HasSubstr("left the dialog 135 \"Open Device\" open"));
    }
    EXPECT_EQ(nullptr, myBackend.activeDialog());
}

TEST_F(ScriptedUserTest, AnswersAreUsedInOrderAndAnUnexpectedBoxFailsWithItsText)
{
    MessageBoxRequest error;
    error.text = "The device is not responding.";
    MessageBoxRequest question;
    question.text = "Download the boot code?";
    question.buttons = MessageBoxButtons::YesNo;

    myUser.expectMessageBox("The device is not responding.");
    myUser.expectMessageBox("Download the boot code?", DialogResult::no);
    myUser.expectDialog(exampleTemplateId, okButton);
    EXPECT_EQ(3u, myUser.pendingAnswers());
    EXPECT_EQ(DialogResult::ok, myBackend.showMessageBox(error));
    EXPECT_EQ(DialogResult::no, myBackend.showMessageBox(question));
    try
    {
        myBackend.showMessageBox(error);
        FAIL() << "the box came out of turn";
    }
    catch (const ScriptFailure& failure)
    {
        EXPECT_STREQ("Expected dialog 135, got message box \"The device is not responding.\"", failure.what());
    }
    EXPECT_EQ(DialogResult::ok, runExampleModally());
    try
    {
        myBackend.showMessageBox(question);
        FAIL() << "no answer was left";
    }
    catch (const ScriptFailure& failure)
    {
        EXPECT_STREQ("Unexpected message box \"Download the boot code?\"", failure.what());
    }
    EXPECT_EQ(4u, myBackend.messageBoxes().size());
    myUser.finish();
}

TEST_F(ScriptedUserTest, AnUnexpectedDialogFailsWithItsName)
{
    try
    {
        runExampleModally();
        FAIL() << "no dialog was expected";
    }
    catch (const ScriptFailure& failure)
    {
        EXPECT_STREQ("Unexpected dialog 135 \"Open Device\"", failure.what());
    }
    myUser.expectMessageBox("Opening the device...");
    EXPECT_THROW(runExampleModally(), ScriptFailure);
}

TEST_F(ScriptedUserTest, AnAnswerTheBoxDoesNotOfferFails)
{
    MessageBoxRequest error;
    error.text = "Error opening /tmp/x.vnb";
    myUser.expectMessageBox(error.text, DialogResult::yes);
    EXPECT_THROW(myBackend.showMessageBox(error), ScriptFailure);
}

TEST_F(ScriptedUserTest, LeftoverAnswersFailTheFinish)
{
    myUser.expectMessageBox("Opening the device...");
    myUser.expectFileDialog(FileDialogKind::Save, "/tmp/report.htm");
    try
    {
        myUser.finish();
        FAIL() << "answers were left";
    }
    catch (const ScriptFailure& failure)
    {
        EXPECT_STREQ("Never asked for: message box \"Opening the device...\", save file dialog", failure.what());
    }
}

TEST_F(ScriptedUserTest, AMessageBoxScriptMayActWhileTheBoxIsOpen)
{
    int ticks = 0;
    myDialog->on(Notification::TimerTick, [&ticks](Event&) { ++ticks; });
    myBackend.setTimer(*myDialog, 1, 15);
    myUser.expectMessageBox("Error loading the on led", [this](const MessageBoxRequest& aRequest) {
        EXPECT_EQ(2u, myUser.tick(2));
        return aRequest.dismissal();
    });
    MessageBoxRequest error;
    error.text = "Error loading the on led";
    EXPECT_EQ(DialogResult::ok, myBackend.showMessageBox(error));
    EXPECT_EQ(2, ticks);
}

TEST_F(ScriptedUserTest, NestedDialogsRunInsideTheirScripts)
{
    myUser.expectDialog(exampleTemplateId, [this](Window& anOuter) {
        myUser.expectDialog(exampleTemplateId, [this, &anOuter](Window& anInner) {
            EXPECT_EQ((std::vector<Window*>{&anOuter, &anInner}), myBackend.modalDialogs());
            EXPECT_FALSE(myUser.click(anOuter.findChild(offLine) != nullptr ? *anOuter.findChild(offLine) : anInner));
            myUser.click(okButton);
        });
        EXPECT_EQ(DialogResult::ok, runExampleModally());
        myUser.click(cancelButton);
    });
    EXPECT_EQ(DialogResult::cancel, runExampleModally());
}

TEST_F(ScriptedUserTest, FileDialogsAreAnsweredWithAPathOrCancelled)
{
    FileDialogRequest save;
    save.kind = FileDialogKind::Save;
    save.filter = "Tessiva Files (*.vnb)|*.vnb|All Files (*.*)|*.*||";
    save.defaultExtension = "vnb";
    myUser.expectFileDialog(FileDialogKind::Save, "/tmp/unit", save.filter);
    myUser.expectFileDialogCancelled(FileDialogKind::Save);
    myUser.expectFileDialog(FileDialogKind::Open, "/tmp/unit.vnb");
    myUser.expectFileDialog(FileDialogKind::Save, "/tmp/a.txt", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");

    std::string path = "unchanged";
    EXPECT_TRUE(myBackend.askFileName(save, path));
    EXPECT_EQ("/tmp/unit.vnb", path);
    path = "unchanged";
    EXPECT_FALSE(myBackend.askFileName(save, path));
    EXPECT_EQ("unchanged", path);
    EXPECT_THROW(myBackend.askFileName(save, path), ScriptFailure);   // an open dialog was expected
    myUser.expectFileDialog(FileDialogKind::Save, "/tmp/a.txt", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");
    EXPECT_THROW(myBackend.askFileName(save, path), ScriptFailure);   // another filter was expected
    EXPECT_EQ(4u, myBackend.fileDialogs().size());
}

// --- timers ---

TEST_F(ScriptedUserTest, TimersTickOnlyWhileTheyRun)
{
    std::vector<int> ticks;
    myDialog->on(Notification::TimerTick, [&ticks](Event& anEvent) { ticks.push_back(anEvent.code); });
    EXPECT_FALSE(myBackend.tick(*myDialog, 1));
    myBackend.setTimer(*myDialog, 1, 15);
    myBackend.setTimer(*myDialog, 2, 100);
    myBackend.setTimer(*myDialog, 1, 20);
    EXPECT_EQ(20u, myBackend.timerPeriod(*myDialog, 1));
    EXPECT_EQ(4u, myUser.tick(2));
    EXPECT_TRUE(myBackend.killTimer(*myDialog, 1));
    EXPECT_FALSE(myBackend.killTimer(*myDialog, 1));
    EXPECT_FALSE(myBackend.isTimerRunning(*myDialog, 1));
    EXPECT_EQ(0u, myBackend.timerPeriod(*myDialog, 1));
    EXPECT_EQ(1u, myUser.tick());
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2, 2}), ticks);
}

TEST_F(ScriptedUserTest, ATickThatStopsAnotherTimerKeepsItFromTickingInTheSameRound)
{
    std::vector<int> ticks;
    myDialog->on(Notification::TimerTick, [this, &ticks](Event& anEvent) {
        ticks.push_back(anEvent.code);
        myBackend.killTimer(*myDialog, 2);
    });
    myBackend.setTimer(*myDialog, 1, 15);
    myBackend.setTimer(*myDialog, 2, 15);
    EXPECT_EQ(1u, myUser.tick());
    EXPECT_EQ(std::vector<int>{1}, ticks);
}

TEST_F(ScriptedUserTest, WaitingTicksEachTimerOncePerWholePeriodInTheOrderTheyFallDue)
{
    std::vector<std::pair<int, std::uint64_t>> ticks;
    myDialog->on(Notification::TimerTick, [this, &ticks](Event& anEvent) {
        ticks.emplace_back(anEvent.code, myBackend.virtualTime());
    });
    myBackend.setTimer(*myDialog, 1, 15);
    myBackend.setTimer(*myDialog, 2, 40);
    EXPECT_EQ(0u, myUser.wait(14));
    EXPECT_TRUE(ticks.empty());
    EXPECT_EQ(7u, myUser.wait(75)); // to 89 ms
    EXPECT_EQ((std::vector<std::pair<int, std::uint64_t>>{
                  {1, 15}, {1, 30}, {2, 40}, {1, 45}, {1, 60}, {1, 75}, {2, 80}}),
              ticks);
    EXPECT_EQ(89u, myBackend.virtualTime());
    // Set again at 89 ms, a timer counts its period from then.
    ticks.clear();
    myBackend.setTimer(*myDialog, 1, 100);
    EXPECT_EQ(3u, myUser.wait(100));
    EXPECT_EQ((std::vector<std::pair<int, std::uint64_t>>{{2, 120}, {2, 160}, {1, 189}}), ticks);
    // Ticking by rounds moves no time.
    EXPECT_EQ(2u, myUser.tick());
    EXPECT_EQ(189u, myBackend.virtualTime());
}

TEST_F(ScriptedUserTest, ATimerStoppedWhileTimePassesTicksNoMore)
{
    int ticks = 0;
    myDialog->on(Notification::TimerTick, [this, &ticks](Event&) {
        if (++ticks == 3)
        {
            myBackend.killTimer(*myDialog, 1);
        }
    });
    myBackend.setTimer(*myDialog, 1, 10);
    EXPECT_EQ(3u, myUser.wait(1000));
    EXPECT_EQ(3, ticks);
    // A message handled before a tick that kills the timer keeps that tick away.
    myBackend.setTimer(*myDialog, 1, 10);
    myDialog->on(Notification::Message, [this](Event&) { myBackend.killTimer(*myDialog, 1); });
    myBackend.post(*myDialog, 0x65);
    EXPECT_EQ(0u, myUser.wait(1000));
    EXPECT_EQ(3, ticks);
}

TEST_F(ScriptedUserTest, AWindowDestroyedTakesItsTimersAndMessagesWithIt)
{
    Window& view = myDialog->createChild(WindowKind::Dialog, 0);
    int heard = 0;
    view.on(Notification::TimerTick, [&heard](Event&) { ++heard; });
    view.on(Notification::Message, [&heard](Event&) { ++heard; });
    myBackend.setTimer(view, 1, 15);
    myBackend.post(view, 0x65);
    myDialog->destroyChild(view);
    EXPECT_EQ(1u, myBackend.processPending());
    EXPECT_EQ(0u, myUser.tick());
    EXPECT_EQ(0, heard);
}

// --- the message queue ---

TEST_F(ScriptedUserTest, AMessagePostedByAHandlerArrivesAfterTheInput)
{
    std::vector<std::string> order;
    myDialog->on(Notification::Message, 0x65, [&order](Event&) { order.push_back("close the device"); });
    window(offLine).on(Notification::Clicked, [this, &order](Event&) {
        myBackend.post(*myDialog, 0x65);
        order.push_back("message box");
    });
    myUser.click(offLine);
    EXPECT_EQ((std::vector<std::string>{"message box", "close the device"}), order);
    EXPECT_FALSE(myBackend.hasPendingMessage());
}

TEST_F(ScriptedUserTest, ThePumpRunsWaitingInputAndReportsTheQuitRequestLast)
{
    std::vector<std::string> order;
    myBackend.later([&order]() { order.push_back("stop pressed"); });
    myBackend.postQuit(0);
    myBackend.later([&order]() { order.push_back("repaint"); });
    EXPECT_TRUE(myBackend.hasPendingMessage());
    EXPECT_TRUE(myBackend.pumpMessage());
    EXPECT_TRUE(myBackend.pumpMessage());
    EXPECT_TRUE(myBackend.hasPendingMessage());
    EXPECT_FALSE(myBackend.pumpMessage());
    EXPECT_FALSE(myBackend.hasPendingMessage());
    EXPECT_EQ((std::vector<std::string>{"stop pressed", "repaint"}), order);

    myBackend.postQuit(3);
    EXPECT_EQ(3, myBackend.runMessageLoop());
    myBackend.later([]() {});
    EXPECT_EQ(0, myBackend.runMessageLoop());
}

// --- the wait cursor and installation ---

TEST_F(ScriptedUserTest, TheWaitCursorShowsThroughTheBackend)
{
    EXPECT_FALSE(myBackend.isWaitCursorShown());
    {
        Platform::WaitCursor opening;
        EXPECT_TRUE(myBackend.isWaitCursorShown());
        Platform::WaitCursor writing;
        EXPECT_EQ(1u, myBackend.waitCursorShowings());
    }
    EXPECT_FALSE(myBackend.isWaitCursorShown());
    Platform::WaitCursor::begin();
    EXPECT_EQ(2u, myBackend.waitCursorShowings());
    {
        HeadlessBackend later;
        EXPECT_TRUE(later.isWaitCursorShown()); // installed while the cursor shows
    }
    Platform::WaitCursor::end();
    EXPECT_FALSE(myBackend.isWaitCursorShown());
}

TEST(BackendInstallationTest, ABackendRestoresTheOneBeforeIt)
{
    EXPECT_FALSE(Backend::isInstalled());
    {
        HeadlessBackend outer;
        EXPECT_EQ(&outer, &Backend::current());
        {
            HeadlessBackend inner;
            EXPECT_EQ(&inner, &Backend::current());
        }
        EXPECT_EQ(&outer, &Backend::current());
        Platform::WaitCursor cursor;
        EXPECT_TRUE(outer.isWaitCursorShown());
    }
    EXPECT_FALSE(Backend::isInstalled());
    Platform::WaitCursor cursor; // no backend: only counted
    EXPECT_EQ(1u, Platform::WaitCursor::depth());
}

TEST(HeadlessBackendTest, WithoutAUserEveryRequestFailsWithItsText)
{
    HeadlessBackend backend;
    MessageBoxRequest error;
    error.text = "Error loading the red led";
    try
    {
        backend.showMessageBox(error);
        FAIL() << "nobody answers";
    }
    catch (const ScriptFailure& failure)
    {
        EXPECT_STREQ("Unexpected message box \"Error loading the red led\"", failure.what());
    }
    std::string path;
    EXPECT_THROW(backend.askFileName(FileDialogRequest(), path), ScriptFailure);
    std::unique_ptr<Window> dialog = exampleTemplate().create();
    EXPECT_THROW(backend.runModal(*dialog), ScriptFailure);
    EXPECT_FALSE(dialog->isModal());
}

TEST(HeadlessBackendTest, OpenWindowsAreListedUntilClosedOrDestroyed)
{
    HeadlessBackend backend;
    auto frame = std::make_unique<Window>(WindowKind::Frame, 0, "Vorna - Tessiva");
    std::unique_ptr<Window> box = exampleTemplate().create();
    backend.openWindow(*frame);
    backend.openWindow(*box);
    backend.openWindow(*frame);
    EXPECT_EQ((std::vector<Window*>{box.get(), frame.get()}), backend.openWindows());
    backend.closeWindow(*frame);
    box.reset();
    EXPECT_TRUE(backend.openWindows().empty());
    backend.paintNow(*frame);
    EXPECT_EQ(1u, backend.paintings());
}
}
