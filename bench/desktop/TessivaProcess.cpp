#include "bench/desktop/TessivaProcess.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
typedef std::chrono::steady_clock Clock;

const char* const mainTitle = "Vorna - Tessiva";
const char* const dialogTitle = "Open Device";
const std::chrono::seconds startTimeout(20);
const std::chrono::seconds dialogTimeout(10);
// What a device needs to come on line and draw its panel.
const std::chrono::milliseconds settleTime(1500);
const std::chrono::milliseconds echoTimeout(1000);
const std::chrono::seconds firstEchoTimeout(10);
// The strip of the field that any redraw of the field covers.
const int probeHalfWidth = 40;
const int probeHalfHeight = 3;

// The device the Open Device dialog proposes: a KQ350 at 8280.
const int kq350 = 2;
const int address = 0x8280;

void sleepFor(std::chrono::milliseconds aTime)
{
    std::this_thread::sleep_for(aTime);
}
}

struct TessivaProcess::Display
{
    ::Display* connection = nullptr;
    int damageEvent = 0;
    ::Window root = 0;

    ~Display()
    {
        if (connection != nullptr)
        {
            XCloseDisplay(connection);
        }
    }

    // The shown top-level window titled aTitle, or 0.
    ::Window find(const std::string& aTitle) const { return find(root, aTitle); }

    ::Window find(::Window aWindow, const std::string& aTitle) const
    {
        char* name = nullptr;
        if (XFetchName(connection, aWindow, &name) != 0 && name != nullptr)
        {
            const bool same = aTitle == name;
            XFree(name);
            XWindowAttributes attributes;
            if (same && XGetWindowAttributes(connection, aWindow, &attributes) != 0 &&
                attributes.map_state == IsViewable)
            {
                return aWindow;
            }
        }
        ::Window rootReturn = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        ::Window found = 0;
        if (XQueryTree(connection, aWindow, &rootReturn, &parent, &children, &count) != 0)
        {
            for (unsigned index = 0; index < count && found == 0; ++index)
            {
                found = find(children[index], aTitle);
            }
            if (children != nullptr)
            {
                XFree(children);
            }
        }
        return found;
    }

    void press(KeySym aKey, KeySym aModifier = NoSymbol)
    {
        if (aModifier != NoSymbol)
        {
            XTestFakeKeyEvent(connection, XKeysymToKeycode(connection, aModifier), True, CurrentTime);
        }
        const KeyCode code = XKeysymToKeycode(connection, aKey);
        XTestFakeKeyEvent(connection, code, True, CurrentTime);
        XTestFakeKeyEvent(connection, code, False, CurrentTime);
        if (aModifier != NoSymbol)
        {
            XTestFakeKeyEvent(connection, XKeysymToKeycode(connection, aModifier), False, CurrentTime);
        }
        XFlush(connection);
    }

    void click(int anX, int aY)
    {
        XTestFakeMotionEvent(connection, -1, anX, aY, CurrentTime);
        XTestFakeButtonEvent(connection, 1, True, CurrentTime);
        XTestFakeButtonEvent(connection, 1, False, CurrentTime);
        XFlush(connection);
    }

    void drain()
    {
        while (XPending(connection) > 0)
        {
            XEvent event;
            XNextEvent(connection, &event);
        }
    }

    // Waits for a change drawn over aProbe (screen coordinates); false when
    // none came by aDeadline.
    bool waitForDamage(const XRectangle& aProbe, Clock::time_point aDeadline)
    {
        for (;;)
        {
            while (XPending(connection) > 0)
            {
                XEvent event;
                XNextEvent(connection, &event);
                if (event.type != damageEvent + XDamageNotify)
                {
                    continue;
                }
                const XDamageNotifyEvent& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                const XRectangle& area = damage.area;
                if (area.x < aProbe.x + aProbe.width && aProbe.x < area.x + area.width &&
                    area.y < aProbe.y + aProbe.height && aProbe.y < area.y + area.height)
                {
                    return true;
                }
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(aDeadline - Clock::now());
            if (left.count() <= 0)
            {
                return false;
            }
            pollfd watched = {ConnectionNumber(connection), POLLIN, 0};
            ::poll(&watched, 1, static_cast<int>(left.count()) + 1);
        }
    }
};

TessivaProcess::TessivaProcess(const std::string& aProgram, const std::vector<std::string>& somePorts,
                               int aBaudIndex)
    : myProgram(aProgram), myPorts(somePorts), myBaudIndex(aBaudIndex)
{
    // A blinking caret would draw in the field between keys.
    std::filesystem::create_directories(myFolder.pathOf("gtk-3.0"));
    std::filesystem::create_directories(myFolder.pathOf("Vorna"));
    myFolder.write("gtk-3.0/settings.ini", "[Settings]\ngtk-cursor-blink=false\n");
}

TessivaProcess::~TessivaProcess()
{
    if (myChild <= 0)
    {
        return;
    }
    ::kill(myChild, SIGTERM);
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline)
    {
        if (::waitpid(myChild, nullptr, WNOHANG) == myChild)
        {
            return;
        }
        sleepFor(std::chrono::milliseconds(20));
    }
    ::kill(myChild, SIGKILL);
    ::waitpid(myChild, nullptr, 0);
}

void TessivaProcess::writeSettings(unsigned aPort, bool anOffLine)
{
    std::string text = "[Ports]\n";
    for (std::size_t index = 0; index < myPorts.size(); ++index)
    {
        text += "COM" + std::to_string(index + 1) + "=" + myPorts[index] + "\n";
    }
    text += "[Settings]\n";
    text += "off line=" + std::to_string(anOffLine ? 1 : 0) + "\n";
    text += "device type=" + std::to_string(kq350) + "\n";
    text += "port number=" + std::to_string(aPort > 0 ? aPort - 1 : 0) + "\n";
    text += "baud rate=" + std::to_string(myBaudIndex) + "\n";
    text += "device address=" + std::to_string(address) + "\n";
    myFolder.write("Vorna/Tessiva.ini", text);
}

bool TessivaProcess::waitForWindow(const std::string& aTitle, bool aShown, std::chrono::milliseconds aTimeout)
{
    const Clock::time_point deadline = Clock::now() + aTimeout;
    while (Clock::now() < deadline)
    {
        if ((myDisplay->find(aTitle) != 0) == aShown)
        {
            return true;
        }
        int status = 0;
        if (::waitpid(myChild, &status, WNOHANG) == myChild)
        {
            myChild = -1;
            return false;
        }
        sleepFor(std::chrono::milliseconds(20));
    }
    return false;
}

bool TessivaProcess::start(std::string& aReason)
{
    myDisplay = std::make_unique<Display>();
    myDisplay->connection = XOpenDisplay(nullptr);
    int damageError = 0;
    if (myDisplay->connection == nullptr ||
        !XDamageQueryExtension(myDisplay->connection, &myDisplay->damageEvent, &damageError))
    {
        aReason = "the display or its damage extension is not there";
        return false;
    }
    myDisplay->root = DefaultRootWindow(myDisplay->connection);
    writeSettings(1, false);
    myChild = ::fork();
    if (myChild == 0)
    {
        ::setenv("XDG_CONFIG_HOME", myFolder.path().c_str(), 1);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        ::execl(myProgram.c_str(), myProgram.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (myChild < 0)
    {
        aReason = "could not start " + myProgram;
        return false;
    }
    if (!waitForWindow(dialogTitle, true, startTimeout))
    {
        aReason = myProgram + " showed no Open Device dialog";
        return false;
    }
    sleepFor(std::chrono::milliseconds(300));
    myDisplay->press(XK_Return);
    if (!waitForWindow(dialogTitle, false, dialogTimeout) || !waitForWindow(mainTitle, true, dialogTimeout))
    {
        aReason = myProgram + " did not open its first device";
        return false;
    }
    sleepFor(settleTime);
    return true;
}

bool TessivaProcess::openDevice(unsigned aPort, std::string& aReason)
{
    writeSettings(aPort, aPort == 0);
    // A menu that opened too late for its key is closed and opened again.
    bool shown = false;
    for (int attempt = 0; attempt < 3 && !shown; ++attempt)
    {
        if (attempt > 0)
        {
            myDisplay->press(XK_Escape);
            sleepFor(std::chrono::milliseconds(200));
        }
        myDisplay->press(XK_f, XK_Alt_L);
        sleepFor(std::chrono::milliseconds(500));
        myDisplay->press(XK_n);
        shown = waitForWindow(dialogTitle, true, std::chrono::seconds(3));
    }
    if (!shown)
    {
        aReason = "File > New Device showed no dialog";
        return false;
    }
    sleepFor(std::chrono::milliseconds(300));
    myDisplay->press(XK_Return);
    if (!waitForWindow(dialogTitle, false, dialogTimeout))
    {
        aReason = "the Open Device dialog did not close";
        return false;
    }
    sleepFor(settleTime);
    return true;
}

double TessivaProcess::cpuSeconds() const
{
    // Nanoseconds on a processor, thread by thread.
    const std::string tasks = "/proc/" + std::to_string(myChild) + "/task";
    double seconds = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error))
    {
        std::ifstream stat(task.path() / "schedstat");
        unsigned long long running = 0;
        if (stat >> running)
        {
            seconds += double(running) / 1e9;
        }
    }
    return seconds;
}

std::vector<double> TessivaProcess::typingLatencies(int anOffsetX, int anOffsetY, int aKeys, int& aMissed)
{
    std::vector<double> latencies;
    aMissed = 0;
    ::Display* connection = myDisplay->connection;
    const ::Window frame = myDisplay->find(mainTitle);
    int x = 0;
    int y = 0;
    ::Window child = 0;
    if (frame == 0 || !XTranslateCoordinates(connection, frame, myDisplay->root, 0, 0, &x, &y, &child))
    {
        aMissed = aKeys;
        return latencies;
    }
    x += anOffsetX;
    y += anOffsetY;
    myDisplay->click(x, y);
    sleepFor(std::chrono::milliseconds(500));
    const XRectangle probe = {static_cast<short>(x - probeHalfWidth), static_cast<short>(y - probeHalfHeight),
                              2 * probeHalfWidth, 2 * probeHalfHeight};
    const Damage damage = XDamageCreate(connection, myDisplay->root, XDamageReportRawRectangles);
    // The first letter and its removal show that the field took the focus,
    // once the program has done opening the device; they are not counted.
    for (const KeySym key : {XK_a, XK_BackSpace})
    {
        myDisplay->drain();
        myDisplay->press(key);
        if (!myDisplay->waitForDamage(probe, Clock::now() + firstEchoTimeout))
        {
            XDamageDestroy(connection, damage);
            aMissed = aKeys;
            return latencies;
        }
        sleepFor(std::chrono::milliseconds(200));
    }
    for (int key = 0; key < aKeys; ++key)
    {
        // Not in step with the poll rhythm: 30 to 100 ms apart.
        sleepFor(std::chrono::milliseconds(30 + (key * 37) % 71));
        myDisplay->drain();
        const Clock::time_point sent = Clock::now();
        // A letter, then its removal: the field keeps its length.
        myDisplay->press(key % 2 == 0 ? XK_a : XK_BackSpace);
        if (myDisplay->waitForDamage(probe, sent + echoTimeout))
        {
            latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        }
        else
        {
            ++aMissed;
        }
    }
    XDamageDestroy(connection, damage);
    XFlush(connection);
    return latencies;
}
