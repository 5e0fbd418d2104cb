#include "tests/Desktop/DesktopUser.h"

#include "Platform/Window/DialogResult.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/window.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <condition_variable>
#include <iterator>
#include <mutex>
#include <stdexcept>

namespace Platform
{
namespace
{
// Time a hand takes between two events; the toolkit sees them apart.
const std::chrono::milliseconds betweenEvents(15);

// One look's answer, shared with the main thread, which may come to it late.
struct Answer
{
    std::mutex mutex;
    std::condition_variable ready;
    bool done = false;
    bool value = false;
    std::exception_ptr failure;
};
}

// The person's own connection to the server: Xlib connections are not shared
// between threads.
struct DesktopUser::Connection
{
    Display* display = nullptr;
};

DesktopUser::DesktopUser() : myConnection(std::make_unique<Connection>())
{
}

DesktopUser::~DesktopUser()
{
    *myRunning = false;
    if (myThread.joinable())
    {
        myThread.join();
    }
    if (myConnection->display != nullptr)
    {
        XCloseDisplay(myConnection->display);
    }
}

void DesktopUser::start(std::function<void(DesktopUser&)> aScript)
{
    if (myConnection->display == nullptr)
    {
        myConnection->display = XOpenDisplay(nullptr);
        if (myConnection->display == nullptr)
        {
            throw std::runtime_error("the person finds no display");
        }
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (!XTestQueryExtension(myConnection->display, &event, &error, &major, &minor))
        {
            throw std::runtime_error("the display has no test extension for input");
        }
    }
    *myRunning = true;
    myThread = std::thread([this, aScript]() {
        try
        {
            aScript(*this);
        }
        catch (...)
        {
            myFailure = std::current_exception();
        }
        if (myFailure || testing::Test::HasFailure())
        {
            rescue();
        }
    });
}

void DesktopUser::rescue()
{
    // A script that failed half-way leaves the program waiting for someone:
    // its dialogs are dismissed and it is asked to end, unless it is over.
    const std::shared_ptr<bool> running = myRunning;
    wxTheApp->CallAfter([running]() {
        if (!*running || !Backend::isInstalled())
        {
            return;
        }
        WxBackend* backend = dynamic_cast<WxBackend*>(&Backend::current());
        if (backend == nullptr)
        {
            return;
        }
        backend->pressMessageBoxButton(DialogResult::ok) || backend->pressMessageBoxButton(DialogResult::cancel);
        if (const Window* modal = backend->innermostModal())
        {
            const_cast<Window*>(modal)->endDialog(DialogResult::cancel);
        }
        backend->postQuit(-1);
    });
}

void DesktopUser::finish()
{
    *myRunning = false;
    if (myThread.joinable())
    {
        myThread.join();
    }
    if (myFailure)
    {
        std::exception_ptr failure = myFailure;
        myFailure = nullptr;
        std::rethrow_exception(failure);
    }
}

void DesktopUser::cover(const wxRect& aPlace, std::chrono::milliseconds aTime)
{
    Display* display = myConnection->display;
    XSetWindowAttributes attributes;
    attributes.override_redirect = True;
    attributes.background_pixel = WhitePixel(display, DefaultScreen(display));
    const ::Window other = XCreateWindow(display, DefaultRootWindow(display), aPlace.x, aPlace.y,
                                         static_cast<unsigned>(aPlace.width), static_cast<unsigned>(aPlace.height), 0,
                                         CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel,
                                         &attributes);
    XMapRaised(display, other);
    XSync(display, False);
    pause(aTime);
    XDestroyWindow(display, other);
    XSync(display, False);
}

bool DesktopUser::look(const std::function<bool()>& aLook, std::chrono::milliseconds aTimeout)
{
    const std::shared_ptr<Answer> answer = std::make_shared<Answer>();
    wxTheApp->CallAfter([answer, aLook]() {
        bool value = false;
        std::exception_ptr failure;
        try
        {
            value = aLook();
        }
        catch (...)
        {
            failure = std::current_exception();
        }
        std::lock_guard<std::mutex> lock(answer->mutex);
        answer->value = value;
        answer->failure = failure;
        answer->done = true;
        answer->ready.notify_all();
    });
    std::unique_lock<std::mutex> lock(answer->mutex);
    if (!answer->ready.wait_for(lock, aTimeout, [&answer]() { return answer->done; }))
    {
        throw std::runtime_error("the program did not come back to its events");
    }
    if (answer->failure)
    {
        std::rethrow_exception(answer->failure);
    }
    return answer->value;
}

bool DesktopUser::waitUntil(const std::function<bool()>& aCondition, std::chrono::milliseconds aTimeout)
{
    const auto deadline = std::chrono::steady_clock::now() + aTimeout;
    while (!look(aCondition))
    {
        if (std::chrono::steady_clock::now() >= deadline)
        {
            return false;
        }
        pause(std::chrono::milliseconds(20));
    }
    return true;
}

wxRect DesktopUser::screenRectOf(const std::function<wxWindow*()>& aWidget)
{
    wxRect place;
    const bool found = look([&place, &aWidget]() {
        wxWindow* widget = aWidget();
        if (widget == nullptr || !widget->IsShownOnScreen())
        {
            return false;
        }
        place = widget->GetScreenRect();
        return true;
    });
    if (!found)
    {
        throw std::runtime_error("the widget to act on is not on the screen");
    }
    return place;
}

void DesktopUser::moveTo(const wxPoint& aPoint)
{
    XTestFakeMotionEvent(myConnection->display, -1, aPoint.x, aPoint.y, CurrentTime);
    flush();
}

void DesktopUser::click(const wxPoint& aPoint)
{
    moveTo(aPoint);
    buttonDown();
    buttonUp();
}

void DesktopUser::doubleClick(const wxPoint& aPoint)
{
    moveTo(aPoint);
    buttonDown();
    buttonUp();
    buttonDown();
    buttonUp();
}

void DesktopUser::clickOn(const std::function<wxWindow*()>& aWidget)
{
    const wxRect place = screenRectOf(aWidget);
    click(wxPoint(place.x + place.width / 2, place.y + place.height / 2));
}

void DesktopUser::clickOn(const std::function<wxWindow*()>& aWidget, const wxPoint& aPoint)
{
    const wxRect place = screenRectOf(aWidget);
    click(place.GetTopLeft() + aPoint);
}

void DesktopUser::buttonDown(unsigned aButton)
{
    XTestFakeButtonEvent(myConnection->display, aButton, True, CurrentTime);
    flush();
}

void DesktopUser::buttonUp(unsigned aButton)
{
    XTestFakeButtonEvent(myConnection->display, aButton, False, CurrentTime);
    flush();
}

void DesktopUser::keyDown(unsigned long aKeySymbol)
{
    const KeyCode code = XKeysymToKeycode(myConnection->display, aKeySymbol);
    if (code == 0)
    {
        throw std::runtime_error("no key on the keyboard gives symbol " + std::to_string(aKeySymbol));
    }
    XTestFakeKeyEvent(myConnection->display, code, True, CurrentTime);
    flush();
}

void DesktopUser::keyUp(unsigned long aKeySymbol)
{
    const KeyCode code = XKeysymToKeycode(myConnection->display, aKeySymbol);
    XTestFakeKeyEvent(myConnection->display, code, False, CurrentTime);
    flush();
}

void DesktopUser::press(unsigned long aKeySymbol, std::initializer_list<unsigned long> someModifiers)
{
    for (unsigned long modifier : someModifiers)
    {
        keyDown(modifier);
    }
    keyDown(aKeySymbol);
    keyUp(aKeySymbol);
    for (auto modifier = std::rbegin(someModifiers); modifier != std::rend(someModifiers); ++modifier)
    {
        keyUp(*modifier);
    }
}

void DesktopUser::clickTheCloseBox(const std::function<wxWindow*()>& aWidget)
{
    ::Window target = 0;
    if (!look([&target, &aWidget]() {
            wxWindow* widget = aWidget();
            GdkWindow* window = widget != nullptr ? gtk_widget_get_window(widget->GetHandle()) : nullptr;
            target = window != nullptr ? GDK_WINDOW_XID(window) : 0;
            return target != 0;
        }))
    {
        throw std::runtime_error("the window to close is not on the screen");
    }
    Display* display = myConnection->display;
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = target;
    request.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    request.xclient.format = 32;
    request.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    request.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, target, False, NoEventMask, &request);
    flush();
}

void DesktopUser::pressAltWithKeyAt(const std::function<wxWindow*()>& aWidget, int aKeyCode)
{
    // The toolkit's own key event at the window's door: the display's test
    // extension would hand the key to the window manager first.
    if (!look([&aWidget, aKeyCode]() {
            wxWindow* widget = aWidget();
            if (widget == nullptr || !widget->IsShownOnScreen())
            {
                return false;
            }
            wxKeyEvent key(wxEVT_CHAR_HOOK);
            key.SetEventObject(widget);
            key.m_keyCode = aKeyCode;
            key.SetAltDown(true);
            widget->GetEventHandler()->ProcessEvent(key);
            return true;
        }))
    {
        throw std::runtime_error("the window to send the key to is not on the screen");
    }
}

void DesktopUser::type(const std::string& aText)
{
    for (char character : aText)
    {
        // Printable Latin-1 characters are their own key symbols.
        const KeySym symbol = character == ' ' ? XK_space : static_cast<KeySym>(static_cast<unsigned char>(character));
        const KeyCode code = XKeysymToKeycode(myConnection->display, symbol);
        if (code == 0)
        {
            throw std::runtime_error(std::string("no key types ") + character);
        }
        const bool shifted = XkbKeycodeToKeysym(myConnection->display, code, 0, 0) != symbol;
        if (shifted)
        {
            press(symbol, {XK_Shift_L});
        }
        else
        {
            press(symbol);
        }
    }
}

void DesktopUser::pause(std::chrono::milliseconds aTime)
{
    std::this_thread::sleep_for(aTime);
}

void DesktopUser::flush()
{
    XSync(myConnection->display, False);
    pause(betweenEvents);
}
}
