#include "tests/Desktop/ScreenWindows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace Platform
{
namespace
{
using Connection = std::unique_ptr<Display, int (*)(Display*)>;

Connection connect()
{
    return Connection(XOpenDisplay(nullptr), XCloseDisplay);
}

// The window's place on the screen, when it is shown.
ScreenWindow shown(Display* aDisplay, ::Window aWindow)
{
    ScreenWindow result;
    XWindowAttributes attributes{};
    int x = 0;
    int y = 0;
    ::Window child = 0;
    if (aWindow != 0 && XGetWindowAttributes(aDisplay, aWindow, &attributes) != 0 &&
        attributes.map_state == IsViewable &&
        XTranslateCoordinates(aDisplay, aWindow, DefaultRootWindow(aDisplay), 0, 0, &x, &y, &child))
    {
        result.id = aWindow;
        result.place = wxRect(x, y, attributes.width, attributes.height);
    }
    return result;
}
}

namespace
{
// Searches below aParent too: a window manager puts each window in a frame.
ScreenWindow shownBelow(Display* aDisplay, ::Window aParent, const std::string& aTitle)
{
    ::Window root = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(aDisplay, aParent, &root, &parent, &children, &count) == 0)
    {
        return ScreenWindow();
    }
    const std::unique_ptr<::Window, int (*)(void*)> owned(children, XFree);
    for (unsigned index = 0; index < count; ++index)
    {
        char* name = nullptr;
        bool titled = false;
        if (XFetchName(aDisplay, children[index], &name) != 0 && name != nullptr)
        {
            titled = aTitle == name;
            XFree(name);
        }
        const ScreenWindow window = titled ? shown(aDisplay, children[index]) : shownBelow(aDisplay, children[index], aTitle);
        if (window.id != 0)
        {
            return window;
        }
    }
    return ScreenWindow();
}
}

ScreenWindow shownWindowTitled(const std::string& aTitle)
{
    const Connection display = connect();
    return display ? shownBelow(display.get(), DefaultRootWindow(display.get()), aTitle) : ScreenWindow();
}

void askToClose(unsigned long aWindow)
{
    const Connection display = connect();
    if (!display)
    {
        return;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = aWindow;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display.get(), aWindow, False, NoEventMask, &event);
    XFlush(display.get());
}

ScreenReader::ScreenReader() : myDisplay(XOpenDisplay(nullptr))
{
}

ScreenReader::~ScreenReader()
{
    if (myDisplay != nullptr)
    {
        XCloseDisplay(myDisplay);
    }
}

std::vector<std::uint32_t> ScreenReader::pixels(const wxRect& aPlace) const
{
    std::vector<std::uint32_t> result;
    // A place reaching off the screen would be an error of the display's.
    const wxRect screen = myDisplay != nullptr ? wxRect(0, 0, DisplayWidth(myDisplay, DefaultScreen(myDisplay)),
                                                        DisplayHeight(myDisplay, DefaultScreen(myDisplay)))
                                               : wxRect();
    if (aPlace.IsEmpty() || !screen.Contains(aPlace))
    {
        return result;
    }
    XImage* image = XGetImage(myDisplay, DefaultRootWindow(myDisplay), aPlace.x, aPlace.y,
                              static_cast<unsigned>(aPlace.width), static_cast<unsigned>(aPlace.height), AllPlanes, ZPixmap);
    if (image == nullptr)
    {
        return result;
    }
    result.reserve(static_cast<std::size_t>(aPlace.width) * static_cast<std::size_t>(aPlace.height));
    for (int y = 0; y < aPlace.height; ++y)
    {
        for (int x = 0; x < aPlace.width; ++x)
        {
            result.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFFu));
        }
    }
    XDestroyImage(image);
    return result;
}
}
