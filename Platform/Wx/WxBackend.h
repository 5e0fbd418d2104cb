#pragma once

#include "Platform/Window/Backend.h"

#include <chrono>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class wxEventLoopBase;
class wxIdleEvent;
class wxWindow;

namespace Platform
{
class Resources;
class WxView;

// The backend of the real programs: it draws the window model with the
// desktop's widgets, keeps them in step with the model, and hands the user's
// input to the model through UserInput, so that the programs see exactly what
// they see under the headless backend.
//
// Constructing one starts the toolkit (when nothing else has) and installs the
// backend; destroying it restores the backend before it.
class WxBackend : public Backend
{
public:
    // aResources: where image controls find their bitmaps; nullptr takes the
    // running Application's.
    explicit WxBackend(const Resources* aResources = nullptr);
    ~WxBackend() override;

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
    int runMessageLoop() override;
    void openWindow(Window& aWindow) override;
    void closeWindow(Window& aWindow) override;
    void paintNow(Window& aWindow) override;
    Rectangle screenArea() override;
    int iconWidth() override;
    int iconHeight() override;
    bool openWithDesktop(const std::string& aPath) override;
    FontMetrics dialogFont() override;
    FontMetrics frameFont() override;
    int tabRowsHeight(const std::vector<std::string>& aLabels, int aWidth) override;

    // A close asked for by the person (the close box, Alt+F4) or by a signal:
    // outside a wait on the unit aClose runs at once; inside one the wait
    // ends first (it throws WaitInterrupted, which the backend drops) and
    // aClose runs from the loop after it, never nested inside the wait.
    void requestClose(const std::function<void()>& aClose);
    // From now on SIGTERM, SIGHUP and SIGINT run aClose from the event loop
    // as requestClose does (the handler itself only wakes the loop); a second
    // one ends the program at once. SIGXFSZ and SIGPIPE are ignored, so that
    // a file grown past its size limit or a closed pipe fails the write with
    // its error instead of killing the program.
    void closeOnSignals(const std::function<void()>& aClose);

    // --- for smoke tests and the programs' own checks ---
    // Runs an action from the event loop, in turn with the posted messages
    // (a user's input arriving while the program waits).
    void later(const std::function<void()>& anAction);
    // Brings the widgets up to date with the model now.
    void synchronise();
    // Lets the toolkit handle what waits (drawing, input) for at most
    // aMilliseconds, returning early once nothing waits.
    void settle(unsigned aMilliseconds);
    // Writes a picture of the whole screen as PNG; false when it could not.
    bool saveScreenshot(const std::string& aPath);
    // The same of the part of the screen where aWindow shows.
    bool saveScreenshot(const std::string& aPath, const Window& aWindow);
    bool isWaitCursorShown() const { return myWaitCursorShown; }
    // The message box showing, answered as a click on its button of anAnswer
    // (a DialogResult code); false when none shows or it has no such button.
    bool pressMessageBoxButton(int anAnswer);
    bool isMessageBoxShown() const;
    // The message box showing, or nullptr.
    wxWindow* messageBoxWidget() const;
    WxView& view() { return *myView; }
    // How many timer ticks were handled so far (for the cost benchmark).
    unsigned long tickCount() const { return myTickCount; }

    // The innermost modal dialog running, or nullptr: the user's input reaches
    // nothing outside it.
    const Window* innermostModal() const;
    // Called by the view after the handling of one input, and by the loops.
    void afterDispatch();
    // Runs a handler from the toolkit's loop. An error it lets out cannot go
    // through the toolkit: it ends the loop running, and the backend's call
    // that ran the loop (runModal, runMessageLoop, pumpMessage...) throws it.
    void guard(const std::function<void()>& anAction);

private:
    class Timer;
    class SignalSource;
    struct ModalLoop;
    // A message box or file dialog of the toolkit's runs while it lives.
    class NativeModal
    {
    public:
        explicit NativeModal(WxBackend& aBackend);
        ~NativeModal();
        NativeModal(const NativeModal&) = delete;
        NativeModal& operator=(const NativeModal&) = delete;

    private:
        WxBackend& myBackend;
    };

    // Ends the innermost modal dialog or box running as its Cancel (or its
    // only answer); false when none runs.
    bool endInnermostModal();
    bool runQueued();
    void rethrowPending();
    void endLoopsThatAreDone();
    void onIdleEvent(wxIdleEvent& anEvent);
    void drawNow(wxWindow& aWidget);
    // The whole widget drawn again at once (drawNow after marking it all).
    void redrawNow(wxWindow& aWidget);
    // Draws at once what the toolkit would draw on its next frame.
    void drawWhatWaits();
    // Whether aWindow's timer may tick now; a tick held is given once the
    // hold ends (releaseHeldTicks).
    bool mayTick(const Window& aWindow) const;
    void releaseHeldTicks();
    // Called on the passes of the program's waits on the unit: lets the
    // toolkit draw what changed, nothing else.
    void repaintDuringWait();

    Backend* myPrevious = nullptr;
    FontMetrics myDialogFont;
    FontMetrics myFrameFont;
    bool myOwnsToolkit = false;
    std::unique_ptr<WxView> myView;
    std::deque<std::function<void()>> myQueue;
    bool myQuitPosted = false;
    int myQuitCode = 0;
    bool myWaitCursorShown = false;
    unsigned myTicking = 0;
    unsigned long myTickCount = 0;
    // Messages being pumped by a program's own wait (pumpMessage): the quit
    // request is theirs to see then, not the program's loop's.
    unsigned myPumping = 0;
    // Inside repaintDuringWait: neither ticks nor queued actions run.
    unsigned myPainting = 0;
    unsigned myNativeModals = 0;
    std::chrono::steady_clock::time_point myLastRepaint;
    // The model's change count that the pump last brought to the widgets.
    unsigned long myPumpedChange = 0;
    std::function<void()> myPreviousPassHook;
    std::exception_ptr myPendingError;
    void* myMessageBox = nullptr;
    std::vector<std::unique_ptr<Timer>> myTimers;
    std::vector<std::unique_ptr<Timer>> myDeadTimers;
    std::vector<ModalLoop*> myLoops;
    std::vector<wxWindow*> myRootWidgets;
    std::vector<wxEventLoopBase*> myMainLoops;
    std::unique_ptr<SignalSource> mySignals;
};
}
