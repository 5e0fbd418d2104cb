#pragma once

#include "Platform/Window/Window.h"

#include <wx/window.h>
#include <wx/weakref.h>
#include <wx/defs.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

class wxBitmap;
class wxMenuBar;
class wxKeyEvent;

namespace Platform
{
class Bitmap;
class Resources;
class WxBackend;

// The widgets that show the window model: one per model window below each
// root (the open top-level windows and the modal dialogs). synchronise()
// creates, updates and removes widgets so that they show the model; the
// widgets' events go to the model through UserInput.
class WxView
{
public:
    WxView(WxBackend& aBackend, const Resources* aResources);
    ~WxView();
    WxView(const WxView&) = delete;
    WxView& operator=(const WxView&) = delete;

    // A top-level window to show, and its removal (its widgets go with it).
    void addRoot(Window& aWindow);
    void removeRoot(Window& aWindow);
    bool isRoot(const Window& aWindow) const;
    // The top-level windows shown, in the order they came.
    std::vector<Window*> roots() const;
    // Their widgets, into aWidgets (emptied first): a list reused on every tick.
    void rootWidgets(std::vector<wxWindow*>& aWidgets) const;

    // Brings every widget up to date with the model; cheap when nothing changed.
    void synchronise();
    // Deletes the widgets of windows gone; only safe while no event of theirs runs.
    void collectGarbage();
    // Widgets being handled: deletions wait until it is 0.
    unsigned dispatchDepth() const { return myDepth; }
    // Counts what settles in the toolkit's idle time: widgets made, dropped,
    // shown or hidden, tab rows and menu bars built again.
    unsigned long shapeChanges() const { return myShapeChanges; }

    // The widget of a model window, or nullptr while it has none.
    wxWindow* widgetOf(const Window& aWindow) const;
    // The model window of a widget, or nullptr.
    Window* windowOf(const wxWindow* aWidget) const;

    // The top-level widget that owns a new top-level window (aWindow, or a
    // message box for nullptr), or nullptr for none.
    wxWindow* ownerFor(const Window* aWindow) const;

    // The menu item that stands for a command (the desktop's item ids are
    // narrower than command ids); wxID_NONE for a command on no menu.
    int menuItemId(unsigned aCommand) const;

    static wxBitmap toWxBitmap(const Bitmap& aBitmap);

    // While suspended (calls nest), the widgets show no tool tips.
    void suspendToolTips(bool aSuspended);

private:
    struct Peer
    {
        Window::Watch window;
        wxWeakRef<wxWindow> widget;
        WindowKind kind;
        std::string text;
        Rectangle rectangle;
        bool enabled = false;
        std::vector<std::string> items;
        int selection = -2;
        std::pair<int, int> textSelection = std::make_pair(-2, -2);
        unsigned image = 0;
        std::string menuShape;
        // The change count when the widget was last brought up to date, and
        // when its subtree was (while the window is hidden, its children wait).
        unsigned long synced = 0;
        unsigned long subtreeSynced = 0;
        bool childrenSynced = false;
        // A tab control's tab buttons, laid out for this width.
        std::vector<wxWeakRef<wxWindow>> tabs;
        int tabsWidth = -1;
        // The width a group box's caption was fitted to.
        int captionWidth = -1;
        explicit Peer(Window& aWindow) : window(aWindow), kind(aWindow.kind()) {}
    };
    class Dispatch;

    void synchroniseTree(Window& aWindow, wxWindow* aParent, bool aFull);
    void dropWidgetsOfWindowsGone();
    void dropWidgetsBelow(const Window& aWindow);
    Peer& peerFor(Window& aWindow, wxWindow* aParent);
    wxWindow* create(Window& aWindow, wxWindow* aParent);
    void bindEvents(Window& aWindow, wxWindow* aWidget);
    long radioStyle(const Window& aRadio) const;
    void bindPrompt(Window& aTool, wxWindow* aWidget);
    // A key of the main frame's accelerator table runs its command; false
    // for any other key, which goes on to the widgets.
    bool translateAccelerator(Window& aTop, const wxKeyEvent& aKey);
    // The keys that move the focus and turn tabs in aTop: Tab and Shift+Tab,
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down and Up for the innermost tab
    // row, the arrows on a focused tab row, Up and Down in the buddy of an
    // up-down that takes them. False for any other key.
    bool navigate(Window& aTop, const wxKeyEvent& aKey);
    // The widget that holds the keyboard focus for aWindow: a tab control's
    // selected tab, else its own; nullptr while it has none.
    wxWindow* focusWidgetOf(const Window& aWindow) const;
    void update(Peer& aPeer);
    void updateMenu(Peer& aPeer);
    void updateTabs(Peer& aPeer);
    void drop(Peer& aPeer);
    const Resources* resources() const;
    const Window* modal() const;

    void onEditChanged(Window& anEdit, wxWindow* aWidget);
    void onSpin(Window& anUpDown, bool anUp);
    // The desktop gave the window's widget (or one of its tabs) the focus.
    void onFocused(const Window::Watch& aWatch);
    // The user moved or sized a top-level window.
    void onPlaced(const Window::Watch& aWatch);

    WxBackend& myBackend;
    const Resources* myResources;
    std::vector<Window::Watch> myRoots;
    std::map<const Window*, std::unique_ptr<Peer>> myPeers;
    std::vector<wxWeakRef<wxWindow>> myGarbage;
    unsigned long mySeenChange = 0;
    unsigned long myShapeChanges = 0;
    bool myDirty = true;
    unsigned myDepth = 0;
    std::chrono::steady_clock::time_point mySpinStart;
    std::chrono::steady_clock::time_point myLastSpin;
    const Window* mySpinning = nullptr;
    const Window* myFocus = nullptr;
    // Set while the model's place is applied to a widget, whose events then
    // tell nothing new.
    bool myPlacing = false;
    bool myRootsChanged = true;
    unsigned long mySeenDestroyed = 0;
    unsigned myTipsSuspended = 0;
    std::vector<std::pair<wxWeakRef<wxWindow>, wxString>> mySuspendedTips;
    std::map<unsigned, int> myMenuItems;
    std::map<int, unsigned> myMenuCommands;
};
}
