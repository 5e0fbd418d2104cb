#pragma once

#include <wx/gdicmn.h>

#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <thread>

class wxWindow;

namespace Platform
{
// A person at the virtual display: a thread of its own that acts through the
// X server's test extension (pointer moves, button and key presses, exactly
// as a keyboard and a mouse deliver them), while the program runs its own
// loops on the main thread undisturbed. What the person looks at (widgets,
// the window model) is read on the main thread, between the program's events.
//
//     DesktopUser user;
//     user.start([&](DesktopUser& aUser) { aUser.clickOn(...); aUser.press(XK_Return); });
//     application.main(...);   // the program runs until the person closes it
//     user.finish();           // rethrows what went wrong in the script
class DesktopUser
{
public:
    DesktopUser();
    ~DesktopUser();
    DesktopUser(const DesktopUser&) = delete;
    DesktopUser& operator=(const DesktopUser&) = delete;

    // Starts the script on the person's thread.
    void start(std::function<void(DesktopUser&)> aScript);
    // Waits for the script's end; rethrows its failure.
    void finish();

    // Runs aLook on the main thread between the program's events and returns
    // its answer; throws when the program does not come to it within aTimeout
    // (it blocks).
    bool look(const std::function<bool()>& aLook,
              std::chrono::milliseconds aTimeout = std::chrono::milliseconds(10000));
    // Looks again and again until aCondition holds; false when it did not
    // within aTimeout.
    bool waitUntil(const std::function<bool()>& aCondition,
                   std::chrono::milliseconds aTimeout = std::chrono::milliseconds(5000));
    // The widget's place on the screen, looked up on the main thread; throws
    // when there is no such widget or it is not on the screen.
    wxRect screenRectOf(const std::function<wxWindow*()>& aWidget);

    // --- the mouse ---
    void moveTo(const wxPoint& aPoint);
    void click(const wxPoint& aPoint);
    void doubleClick(const wxPoint& aPoint);
    // Clicks the middle of the widget, or aPoint within it.
    void clickOn(const std::function<wxWindow*()>& aWidget);
    void clickOn(const std::function<wxWindow*()>& aWidget, const wxPoint& aPoint);
    void buttonDown(unsigned aButton = 1);
    void buttonUp(unsigned aButton = 1);

    // --- the keyboard (X key symbols, e.g. XK_Tab, XK_F1, 'a') ---
    // Presses and releases the key with the modifiers held (XK_Shift_L,
    // XK_Control_L...).
    void press(unsigned long aKeySymbol, std::initializer_list<unsigned long> someModifiers = {});
    void keyDown(unsigned long aKeySymbol);
    void keyUp(unsigned long aKeySymbol);
    // Types printable text key by key (with Shift where the character needs it).
    void type(const std::string& aText);
    // Asks the widget's window to close as its close box does: the window
    // manager's request, sent straight to the window. (Alt+F4 through the
    // manager is not sure to arrive when the manager is busy.)
    void clickTheCloseBox(const std::function<wxWindow*()>& aWidget);
    // The key (a toolkit key code, e.g. WXK_F4) with Alt held, as the
    // program gets it when the window manager leaves it alone.
    void pressAltWithKeyAt(const std::function<wxWindow*()>& aWidget, int aKeyCode);

    // --- the screen ---
    // Lays a window of another program over aPlace for aTime, then takes it
    // away: what it covered must be drawn again.
    void cover(const wxRect& aPlace, std::chrono::milliseconds aTime);

    // Lets the program take in what was delivered.
    static void pause(std::chrono::milliseconds aTime);

private:
    struct Connection;
    void flush();
    void rescue();

    std::unique_ptr<Connection> myConnection;
    std::thread myThread;
    std::exception_ptr myFailure;
    // Whether the program the script acts on may still run: a rescue comes
    // to nothing once the test took the program's end.
    std::shared_ptr<bool> myRunning = std::make_shared<bool>(false);
};
}
