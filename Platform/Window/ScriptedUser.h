#pragma once

#include "Platform/Window/FileDialogRequest.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/MessageBoxRequest.h"
#include "Platform/Window/ScriptFailure.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Window/Window.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace Platform
{
// Plays the user for a test on a HeadlessBackend: acts on controls as a user
// would, and answers each modal dialog, message box and file dialog from a
// queue of scripted answers, in order. A request that does not match the next
// answer, or comes when none is left, fails with a ScriptFailure that names it.
//
//     ScriptedUser user(backend);
//     user.lookAt(mainWindow);
//     user.expectDialog(135, [&](Window&) { user.pick(1052, 0); user.click(1); });
//     user.expectMessageBox("The device is not responding.");
//     user.command(32775);
//     user.finish();
//
// Controls are found by id in the active modal dialog, or in the window looked
// at when none runs; among several with one id the only visible one counts.
// The inputs are those of UserInput: each returns false and changes nothing
// when it cannot reach its control. A control of the wrong kind, or an item
// or tab that does not exist, fails the script. After every input the queue
// of posted messages is processed, as the program's loop would.
class ScriptedUser : private HeadlessBackend::User
{
public:
    typedef std::function<void(Window& aDialog)> DialogScript;
    typedef std::function<int(const MessageBoxRequest& aRequest)> MessageBoxScript;

    enum class Arrow
    {
        Up,
        Down
    };

    explicit ScriptedUser(HeadlessBackend& aBackend);
    ~ScriptedUser();
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    // The window acted on while no modal dialog runs (the main window).
    void lookAt(Window& aWindow);

    // --- scripted answers, used in order ---
    // The next modal dialog is built from the template; the script acts on it
    // and must end it.
    void expectDialog(unsigned aTemplateId, const DialogScript& aScript);
    // ... and is ended by a click on the button aButtonId.
    void expectDialog(unsigned aTemplateId, int aButtonId);
    // The next message box shows exactly aText; anAnswer (0: its first button)
    // must be one of its buttons.
    void expectMessageBox(const std::string& aText, int anAnswer = 0);
    // ... and the script, which may act meanwhile (tick the timers), answers.
    void expectMessageBox(const std::string& aText, const MessageBoxScript& aScript);
    // The next file dialog is of that kind and, when aFilter is not empty,
    // offers that filter; the user chooses aPath (the dialog adds its default
    // extension when the name has none).
    void expectFileDialog(FileDialogKind aKind, const std::string& aPath, const std::string& aFilter = std::string());
    void expectFileDialogCancelled(FileDialogKind aKind);
    std::size_t pendingAnswers() const;
    // Fails when scripted answers are left over.
    void finish() const;

    // --- input (see UserInput) ---
    // A control by id, found as the inputs find it.
    Window& control(int anId) const;
    bool click(int anId);
    bool click(Window& aControl);
    // Combo boxes and list boxes; on a tab control, selectTab.
    bool pick(int anId, int anIndex);
    bool pick(Window& aControl, int anIndex);
    // Focuses the edit, selects all of its text and types aText key by key;
    // each key goes to whichever edit has the focus by then. An empty text
    // deletes the selection. False when any key was refused.
    bool type(int anId, const std::string& aText);
    bool type(Window& anEdit, const std::string& aText);
    // Keys to the window with the focus, without selecting first.
    bool typeKeys(const std::string& aText);
    // The Tab key out of a control with the focus; false without it.
    bool leave(int anId);
    bool leave(Window& aControl);
    bool spin(int anId, Arrow anArrow, double aSeconds = 0);
    bool spin(Window& anUpDown, Arrow anArrow, double aSeconds = 0);
    bool selectTab(int anId, int anIndex);
    bool selectTab(Window& aTabControl, int anIndex);
    // Enter and Escape in the dialog around the focus (or the one acted on).
    void pressEnter();
    void pressEscape();
    // The close box of the active modal dialog, or else of the main window.
    void closeWindow();
    // The desktop session ends: the main window is told SessionEnd.
    void endSession();
    // A command from the main window's menu or tool bar; false when no
    // handler took it or a modal dialog blocks the main window.
    bool command(unsigned aCommandId);
    // aRounds ticks of every running timer, each after the messages waiting
    // before it; returns the ticks delivered.
    unsigned tick(unsigned aRounds = 1);
    // The user waits while aMilliseconds of virtual time pass: every running
    // timer ticks once per whole period, each tick after the messages waiting
    // before it (HeadlessBackend::passTime). Returns the ticks delivered.
    unsigned wait(unsigned aMilliseconds);

private:
    struct Answer;

    void playDialog(Window& aDialog) override;
    int answerMessageBox(const MessageBoxRequest& aRequest) override;
    bool answerFileDialog(const FileDialogRequest& aRequest, std::string& aPath) override;

    Window& scope() const;
    UserInput input() const;
    void settle();

    HeadlessBackend& myBackend;
    std::optional<Window::Watch> myMain;
    std::deque<Answer> myAnswers;
};
}
