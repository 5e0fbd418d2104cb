#pragma once

#include "Platform/Window/FileDialogRequest.h"
#include "Platform/Window/MessageBoxRequest.h"
#include "Platform/Window/Rectangle.h"

#include <string>
#include <vector>

namespace Platform
{
class Window;

// The sizes of a font that layouts are measured in: the average width of a
// letter and the height of a line, in pixels.
struct FontMetrics
{
    int averageWidth = 6;
    int height = 13;
};

// What the programs need of the desktop beyond the window model: modal loops,
// message and file boxes, the wait cursor, window timers and the message
// queue. One backend is installed at a time; a drawing backend shows the
// window model and turns the desktop's input into the model's input, a
// headless one lets tests play the user (HeadlessBackend).
class Backend
{
public:
    virtual ~Backend();

    // The installed backend; asserts that there is one.
    static Backend& current();
    static bool isInstalled();
    // Installs aBackend (nullptr: none) and returns the one it replaces. The wait
    // cursor goes through the installed backend from then on.
    static Backend* install(Backend* aBackend);

    // Shows a dialog modally and runs until it ends (Window::endDialog);
    // returns its result.
    virtual int runModal(Window& aDialog) = 0;
    // Returns the DialogResult code of the button chosen.
    virtual int showMessageBox(const MessageBoxRequest& aRequest) = 0;
    // False when the user cancels; else aPath is the chosen file.
    virtual bool askFileName(const FileDialogRequest& aRequest, std::string& aPath) = 0;
    virtual void showWaitCursor(bool aShown) = 0;

    // A timer of a window: every aMilliseconds it notifies TimerTick with its
    // id. Setting an id that runs already restarts it with the new period.
    virtual void setTimer(Window& aWindow, unsigned anId, unsigned aMilliseconds) = 0;
    // False when no such timer runs.
    virtual bool killTimer(Window& aWindow, unsigned anId) = 0;

    // Queues a message for a window: it notifies Message with that number when
    // the queue reaches it. A window destroyed meanwhile never gets it.
    virtual void post(Window& aWindow, unsigned aMessage) = 0;
    // True while input, posted messages or the quit request wait.
    virtual bool hasPendingMessage() = 0;
    // Handles one waiting message. False when it is the quit request (which
    // is then taken from the queue).
    virtual bool pumpMessage() = 0;
    virtual void postQuit(int aCode) = 0;
    // Runs the program's message loop until the quit request; returns its code.
    virtual int runMessageLoop() = 0;

    // A top-level window that stays open beside the loop (the main frame,
    // modeless boxes, the splash screen), and its closing.
    virtual void openWindow(Window& aWindow) = 0;
    virtual void closeWindow(Window& aWindow) = 0;
    // Paints a window at once, without waiting for the loop.
    virtual void paintNow(Window& aWindow) = 0;

    // The primary screen, and the size of a standard icon on it, in pixels.
    virtual Rectangle screenArea() = 0;
    virtual int iconWidth() = 0;
    virtual int iconHeight() = 0;
    // Opens a document (the help file) with the desktop's own opener; false
    // when nothing could show it.
    [[nodiscard]] virtual bool openWithDesktop(const std::string& aPath) = 0;

    // The font of dialogs, panels and pages, whose dialog units it defines,
    // and the font of a main frame. A backend without a display keeps fixed
    // sizes, so that layouts do not depend on the machine.
    virtual FontMetrics dialogFont();
    virtual FontMetrics frameFont();
    // The height of a tab control's row of tabs aLabels, wrapped into as many
    // rows as aWidth pixels need; pages lie below it.
    virtual int tabRowsHeight(const std::vector<std::string>& aLabels, int aWidth);
    // The same measured in aFont's average letters, for a model without a backend.
    static int tabRowsHeight(const std::vector<std::string>& aLabels, int aWidth, const FontMetrics& aFont);

protected:
    Backend() {}
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;
};
}
