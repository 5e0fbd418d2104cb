#pragma once

#include "Platform/Window/Backend.h"
#include "Platform/Window/Window.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace Platform
{
// The backend for tests: nothing is drawn, and whoever plays the user (a
// ScriptedUser) answers each modal dialog, message box and file dialog as it
// comes. Without a user, any of them fails with a ScriptFailure that names it.
// Timers tick only when the test says so: one round at a time, or as the
// test lets virtual time pass. The queue of posted messages runs when the
// program pumps it or the test processes it.
//
// Constructing one installs it; destroying it restores the backend before it.
class HeadlessBackend : public Backend
{
public:
    // Plays the user's part in the modal loops.
    class User
    {
    public:
        // Acts on the dialog until it should have ended.
        virtual void playDialog(Window& aDialog) = 0;
        virtual int answerMessageBox(const MessageBoxRequest& aRequest) = 0;
        virtual bool answerFileDialog(const FileDialogRequest& aRequest, std::string& aPath) = 0;

    protected:
        ~User() = default;
    };

    HeadlessBackend();
    ~HeadlessBackend() override;

    void setUser(User* aUser) { myUser = aUser; }

    int runModal(Window& aDialog) override;
    int showMessageBox(const MessageBoxRequest& aRequest) override;
    bool askFileName(const FileDialogRequest& aRequest, std::string& aPath) override;
    void showWaitCursor(bool aShown) override;
    void setTimer(Window& aWindow, unsigned anId, unsigned aMilliseconds) override;
    bool killTimer(Window& aWindow, unsigned anId) override;
    void post(Window& aWindow, unsigned aMessage) override;
    bool hasPendingMessage() override;
    bool pumpMessage() override;
    void postQuit(int aCode) override;
    // Handles what waits until the queue is empty or the quit request comes;
    // returns the quit code, or 0 when the queue ran dry.
    int runMessageLoop() override;
    void openWindow(Window& aWindow) override;
    void closeWindow(Window& aWindow) override;
    void paintNow(Window& aWindow) override;
    // 1024 by 768 with 32-pixel icons unless the test says otherwise.
    Rectangle screenArea() override { return myScreen; }
    int iconWidth() override { return myIconSize; }
    int iconHeight() override { return myIconSize; }
    // Records the path; the desktop opens it when the test allows (it does not by default).
    bool openWithDesktop(const std::string& aPath) override;

    // --- for tests ---
    // The modal dialogs running, outermost first.
    std::vector<Window*> modalDialogs() const;
    Window* activeDialog() const;
    // The top-level windows open beside the loop, in the order they opened.
    std::vector<Window*> openWindows() const;

    bool isWaitCursorShown() const { return myWaitCursorShown; }
    unsigned waitCursorShowings() const { return myWaitCursorShowings; }

    bool isTimerRunning(const Window& aWindow, unsigned anId) const;
    // 0 when the timer does not run.
    unsigned timerPeriod(const Window& aWindow, unsigned anId) const;
    // One tick of one timer; false when it does not run.
    bool tick(Window& aWindow, unsigned anId);
    // One tick of every running timer, in the order they were set; a timer
    // killed by an earlier tick's handler does not tick. Returns the ticks.
    unsigned tickAll();
    // Lets aMilliseconds of virtual time pass: each running timer ticks at
    // every whole period since it was set or last ticked, in the order they
    // fall due (a timer set again starts its period afresh). aBeforeEachTick,
    // when given, runs before each tick; a timer it kills does not tick.
    // Returns the ticks.
    unsigned passTime(unsigned aMilliseconds, const std::function<void()>& aBeforeEachTick = {});
    // The virtual time passed so far, in milliseconds.
    std::uint64_t virtualTime() const { return myVirtualTime; }

    // Queues an action, run by the pump in turn with the posted messages (a
    // user's input that arrives while the program pumps).
    void later(const std::function<void()>& anAction);
    // Handles every waiting message and action, also those they post, but
    // not the quit request. Returns how many ran.
    unsigned processPending();
    bool isQuitPosted() const { return myQuitPosted; }
    int quitCode() const { return myQuitCode; }

    // Everything asked of the user so far, in order.
    const std::vector<MessageBoxRequest>& messageBoxes() const { return myMessageBoxes; }
    const std::vector<FileDialogRequest>& fileDialogs() const { return myFileDialogs; }
    unsigned paintings() const { return myPaintings; }

    void setScreen(const Rectangle& aScreen, int anIconSize);
    void setDesktopOpens(bool anOpens) { myDesktopOpens = anOpens; }
    const std::vector<std::string>& openedDocuments() const { return myOpenedDocuments; }

private:
    struct Timer
    {
        Window::Watch window;
        unsigned id;
        unsigned period;
        std::uint64_t due; // virtual time of the next tick
    };

    std::uint64_t nextDue(unsigned aPeriod) const;
    void dropTimersOfClosedWindows();

    std::vector<Timer>::iterator findTimer(const Window& aWindow, unsigned anId);
    std::vector<Timer>::const_iterator findTimer(const Window& aWindow, unsigned anId) const;

    Backend* myPrevious = nullptr;
    User* myUser = nullptr;
    std::vector<Window::Watch> myModal;
    std::vector<Window::Watch> myOpenWindows;
    std::vector<Timer> myTimers;
    std::uint64_t myVirtualTime = 0;
    std::deque<std::function<void()>> myQueue;
    bool myQuitPosted = false;
    int myQuitCode = 0;
    bool myWaitCursorShown = false;
    unsigned myWaitCursorShowings = 0;
    unsigned myPaintings = 0;
    std::vector<MessageBoxRequest> myMessageBoxes;
    std::vector<FileDialogRequest> myFileDialogs;
    Rectangle myScreen = Rectangle(0, 0, 1024, 768);
    int myIconSize = 32;
    bool myDesktopOpens = false;
    std::vector<std::string> myOpenedDocuments;
};
}
