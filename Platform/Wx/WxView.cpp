#include "Platform/Wx/WxView.h"

#include "Platform/Wx/WxViewParts.h"
#include "Platform/Wx/WxWidgets.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/Resources.h"
#include "Platform/Wx/ScreenReaderName.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxStyle.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <functional>
#include <map>

namespace Platform
{
using namespace WxViewParts;

WxView::WxView(WxBackend& aBackend, const Resources* aResources)
    : myBackend(aBackend), myResources(aResources)
{
}

WxView::~WxView()
{
    for (auto& entry : myPeers)
    {
        wxWindow* widget = entry.second->widget.get();
        if (widget != nullptr && widget->IsTopLevel())
        {
            delete widget;
        }
    }
    myPeers.clear();
    collectGarbage();
}

const Resources* WxView::resources() const
{
    if (myResources != nullptr)
    {
        return myResources;
    }
    return Application::exists() ? &Application::current().resources() : nullptr;
}

const Window* WxView::modal() const
{
    return myBackend.innermostModal();
}

void WxView::addRoot(Window& aWindow)
{
    if (!isRoot(aWindow))
    {
        myRoots.push_back(Window::Watch(aWindow));
    }
    myRootsChanged = true;
    myDirty = true;
    synchronise();
}

void WxView::removeRoot(Window& aWindow)
{
    myRoots.erase(std::remove_if(myRoots.begin(), myRoots.end(),
                                 [&aWindow](const Window::Watch& aWatch) {
                                     return !aWatch.alive() || aWatch.get() == &aWindow;
                                 }),
                  myRoots.end());
    myRootsChanged = true;
    myDirty = true;
    synchronise();
}

bool WxView::isRoot(const Window& aWindow) const
{
    return std::any_of(myRoots.begin(), myRoots.end(),
                       [&aWindow](const Window::Watch& aWatch) { return aWatch.get() == &aWindow; });
}

std::vector<Window*> WxView::roots() const
{
    std::vector<Window*> windows;
    for (const Window::Watch& root : myRoots)
    {
        if (Window* window = root.get())
        {
            windows.push_back(window);
        }
    }
    return windows;
}

void WxView::rootWidgets(std::vector<wxWindow*>& aWidgets) const
{
    aWidgets.clear();
    for (const Window::Watch& root : myRoots)
    {
        const Window* window = root.get();
        wxWindow* widget = window != nullptr ? widgetOf(*window) : nullptr;
        if (widget != nullptr)
        {
            aWidgets.push_back(widget);
        }
    }
}

wxWindow* WxView::focusWidgetOf(const Window& aWindow) const
{
    const auto place = myPeers.find(&aWindow);
    if (place == myPeers.end() || place->second->window.get() != &aWindow)
    {
        return nullptr;
    }
    const Peer& peer = *place->second;
    const int selected = aWindow.selection();
    if (aWindow.kind() == WindowKind::TabControl && selected >= 0 && selected < static_cast<int>(peer.tabs.size()) &&
        peer.tabs[static_cast<std::size_t>(selected)].get() != nullptr)
    {
        return peer.tabs[static_cast<std::size_t>(selected)].get();
    }
    return peer.widget.get();
}

wxWindow* WxView::widgetOf(const Window& aWindow) const
{
    const auto place = myPeers.find(&aWindow);
    if (place == myPeers.end() || place->second->window.get() != &aWindow)
    {
        return nullptr;
    }
    return place->second->widget.get();
}

Window* WxView::windowOf(const wxWindow* aWidget) const
{
    for (const auto& entry : myPeers)
    {
        if (entry.second->widget.get() == aWidget)
        {
            return entry.second->window.get();
        }
    }
    return nullptr;
}

int WxView::menuItemId(unsigned aCommand) const
{
    const auto place = myMenuItems.find(aCommand);
    return place != myMenuItems.end() ? place->second : static_cast<int>(wxID_NONE);
}

wxBitmap WxView::toWxBitmap(const Bitmap& aBitmap)
{
    wxImage image(std::max(1, aBitmap.width()), std::max(1, aBitmap.height()));
    // Only a picture with see-through parts gets an alpha channel: opaque
    // ones are drawn as they always were.
    const bool seeThrough = !aBitmap.isOpaque();
    if (seeThrough)
    {
        image.InitAlpha();
    }
    for (int y = 0; y < aBitmap.height(); ++y)
    {
        for (int x = 0; x < aBitmap.width(); ++x)
        {
            const Colour colour = aBitmap.pixel(x, y);
            image.SetRGB(x, y, colour.red, colour.green, colour.blue);
            if (seeThrough)
            {
                image.SetAlpha(x, y, aBitmap.isTransparent(x, y) ? wxIMAGE_ALPHA_TRANSPARENT : wxIMAGE_ALPHA_OPAQUE);
            }
        }
    }
    return wxBitmap(image);
}

void WxView::suspendToolTips(bool aSuspended)
{
    if (aSuspended && myTipsSuspended++ == 0)
    {
        std::function<void(wxWindow&)> take = [this, &take](wxWindow& aWidget) {
            if (aWidget.GetToolTip() != nullptr)
            {
                mySuspendedTips.emplace_back(wxWeakRef<wxWindow>(&aWidget), aWidget.GetToolTipText());
                aWidget.UnsetToolTip();
            }
            for (wxWindow* child : aWidget.GetChildren())
            {
                if (!child->IsTopLevel())
                {
                    take(*child);
                }
            }
        };
        for (const Window::Watch& root : myRoots)
        {
            Window* window = root.get();
            wxWindow* widget = window != nullptr ? widgetOf(*window) : nullptr;
            if (widget != nullptr)
            {
                take(*widget);
            }
        }
    }
    else if (!aSuspended && myTipsSuspended > 0 && --myTipsSuspended == 0)
    {
        for (auto& tip : mySuspendedTips)
        {
            if (wxWindow* widget = tip.first.get())
            {
                widget->SetToolTip(tip.second);
            }
        }
        mySuspendedTips.clear();
    }
}

void WxView::synchronise()
{
    if (!myDirty && Window::changeCount() == mySeenChange)
    {
        return;
    }
    // After the user's input every shown widget is checked against the
    // model (the widget may show what the model refused); otherwise only
    // what changed since the last look is visited.
    const bool full = myDirty;
    myDirty = false;
    mySeenChange = Window::changeCount();

    // Widgets of windows gone, or no longer under a root, go first.
    if (myRootsChanged || Window::destroyedCount() != mySeenDestroyed)
    {
        myRootsChanged = false;
        mySeenDestroyed = Window::destroyedCount();
        dropWidgetsOfWindowsGone();
    }

    for (const Window::Watch& root : myRoots)
    {
        if (Window* window = root.get())
        {
            synchroniseTree(*window, nullptr, full);
        }
    }
    // The focus moves before the edits' selections are taken again: a field
    // that gains it may select its text.
    Window* focus = Window::focus();
    wxWindow* widget = focus != nullptr ? focusWidgetOf(*focus) : nullptr;
    wxWindow* focused = wxWindow::FindFocus();
    // A focused tab row keeps the focus on its selected tab as the selection moves.
    const bool tabTurned = focus == myFocus && focus != nullptr && focus->kind() == WindowKind::TabControl &&
                           widget != nullptr && focused != nullptr && focused != widget &&
                           focused->GetParent() == widgetOf(*focus);
    // A control disabled while it had the focus lost the toolkit's focus
    // (the model's stayed): enabled again in the active window, it has it back.
    // The cheap tests first: this runs on every tick.
    const auto inActiveWindow = [widget]() {
        auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(widget));
        return top != nullptr && top->IsActive();
    };
    const bool focusLost = focus == myFocus && widget != nullptr && focused == nullptr && widget->IsEnabled() &&
                           widget->IsShownOnScreen() && inActiveWindow();
    if (focus != myFocus || tabTurned || focusLost)
    {
        myFocus = focus;
        if (widget != nullptr && focused != widget)
        {
            widget->SetFocus();
            const auto place = myPeers.find(focus);
            if (place != myPeers.end())
            {
                place->second->textSelection = std::make_pair(-2, -2);
            }
            for (const Window::Watch& root : myRoots)
            {
                if (Window* window = root.get())
                {
                    synchroniseTree(*window, nullptr, true);
                }
            }
        }
    }

    if (myDepth == 0)
    {
        collectGarbage();
    }
}

void WxView::dropWidgetsBelow(const Window& aWindow)
{
    for (const Window* child : aWindow.children())
    {
        dropWidgetsBelow(*child);
        const auto place = myPeers.find(child);
        if (place != myPeers.end())
        {
            drop(*place->second);
            myPeers.erase(place);
        }
    }
}

void WxView::dropWidgetsOfWindowsGone()
{
    std::vector<const Window*> dead;
    for (auto& entry : myPeers)
    {
        Window* window = entry.second->window.get();
        bool rooted = false;
        if (window != nullptr)
        {
            for (const Window::Watch& root : myRoots)
            {
                Window* top = root.get();
                if (top != nullptr && (top == window || top->isAncestorOf(*window)))
                {
                    rooted = true;
                    break;
                }
            }
        }
        if (!rooted || entry.second->widget.get() == nullptr)
        {
            dead.push_back(entry.first);
        }
    }
    for (const Window* window : dead)
    {
        drop(*myPeers[window]);
        myPeers.erase(window);
    }
    myRoots.erase(std::remove_if(myRoots.begin(), myRoots.end(),
                                 [](const Window::Watch& aWatch) { return !aWatch.alive(); }),
                  myRoots.end());
}

void WxView::drop(Peer& aPeer)
{
    wxWindow* widget = aPeer.widget.get();
    if (widget == nullptr)
    {
        return;
    }
    // Its events may be running: hide it now and delete it when they are done.
    ++myShapeChanges;
    widget->Hide();
    myGarbage.push_back(wxWeakRef<wxWindow>(widget));
}

void WxView::collectGarbage()
{
    std::vector<wxWeakRef<wxWindow>> garbage;
    garbage.swap(myGarbage);
    for (wxWeakRef<wxWindow>& reference : garbage)
    {
        wxWindow* widget = reference.get();
        if (widget != nullptr)
        {
            delete widget;
        }
    }
}

void WxView::synchroniseTree(Window& aWindow, wxWindow* aParent, bool aFull)
{
    const auto place = myPeers.find(&aWindow);
    const bool known = place != myPeers.end() && place->second->window.get() == &aWindow &&
                       place->second->widget.get() != nullptr;
    Peer& peer = peerFor(aWindow, aParent);
    const unsigned long now = Window::changeCount();
    if (aFull || !known || aWindow.generation() > peer.synced)
    {
        update(peer);
        peer.synced = now;
    }
    wxWindow* widget = peer.widget.get();
    if (widget == nullptr)
    {
        return;
    }
    // What the user cannot see has no widgets: they are made when it shows,
    // and go when it hides again, so hidden panels and pages cost nothing.
    if (!aWindow.isShown())
    {
        if (peer.childrenSynced)
        {
            dropWidgetsBelow(aWindow);
            peer.childrenSynced = false;
        }
        return;
    }
    if (!aFull && peer.childrenSynced && aWindow.subtreeGeneration() <= peer.subtreeSynced)
    {
        return;
    }
    // Children are made in template order, so that Tab order follows it.
    // (Walked by index: this runs for every change, and copies nothing.)
    for (std::size_t index = aWindow.childCount(); index-- > 0;)
    {
        if (index < aWindow.childCount())
        {
            synchroniseTree(aWindow.childAt(index), widget, aFull);
        }
    }
    if (ScrolledForm* form = dynamic_cast<ScrolledForm*>(widget))
    {
        wxSize extent;
        for (std::size_t index = 0; index < aWindow.childCount(); ++index)
        {
            const Window& child = aWindow.childAt(index);
            if (child.isShown())
            {
                extent.x = std::max(extent.x, child.rectangle().right);
                extent.y = std::max(extent.y, child.rectangle().bottom);
            }
        }
        form->setExtent(extent);
    }
    peer.childrenSynced = true;
    peer.subtreeSynced = now;
}

WxView::Peer& WxView::peerFor(Window& aWindow, wxWindow* aParent)
{
    const auto place = myPeers.find(&aWindow);
    if (place != myPeers.end() && place->second->window.get() == &aWindow && place->second->widget.get() != nullptr)
    {
        return *place->second;
    }
    auto peer = std::make_unique<Peer>(aWindow);
    ++myShapeChanges;
    wxWindow* widget = create(aWindow, aParent);
    // Every widget in the dialog font its layout is measured in (the
    // toolkit's inheritance of fonts misses some kinds).
    if (aWindow.kind() != WindowKind::Frame)
    {
        widget->SetFont(WxStyle::dialogFont());
    }
    peer->widget = widget;
    bindEvents(aWindow, widget);
    Peer& result = *peer;
    myPeers[&aWindow] = std::move(peer);
    return result;
}

wxWindow* WxView::create(Window& aWindow, wxWindow* aParent)
{
    const WindowStyle& style = aWindow.style();
    const wxString text = toWx(aWindow.text());
    const auto bitmaps = [this](unsigned anId) -> const Bitmap* {
        const Resources* all = resources();
        return all != nullptr ? all->bitmap(anId) : nullptr;
    };
    switch (aWindow.kind())
    {
    case WindowKind::Frame:
    {
        wxFrame* frame = new wxFrame(aParent, wxID_ANY, text);
        frame->SetFont(WxStyle::dialogFont());
        showFocusAlways(*frame);
        return frame;
    }
    case WindowKind::Dialog:
    {
        // Every control inherits the dialog font its layout is measured in.
        wxWindow* dialog = nullptr;
        if (aParent == nullptr)
        {
            const long frame = style.caption ? wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX : wxBORDER_NONE;
            wxDialog* box = new ModelDialog(ownerFor(&aWindow), text, frame);
            box->SetEscapeId(wxID_NONE);
            showFocusAlways(*box);
            dialog = box;
        }
        else if (aWindow.parent() != nullptr && aWindow.parent()->kind() == WindowKind::Frame)
        {
            dialog = new ScrolledForm(aParent);
        }
        else
        {
            dialog = new wxPanel(aParent, wxID_ANY);
        }
        return dialog;
    }
    case WindowKind::Button:
        if (style.image || aWindow.image() != 0)
        {
            const Bitmap* bitmap = bitmaps(aWindow.image());
            wxBitmap picture = bitmap != nullptr ? toWxBitmap(*bitmap) : wxBitmap(16, 15);
            if (bitmap != nullptr && aWindow.parent() != nullptr && aWindow.parent()->kind() == WindowKind::ToolBar)
            {
                picture = toolPicture(aWindow, picture);
            }
            wxBitmapButton* button = new wxBitmapButton(aParent, wxID_ANY, picture);
            if (aWindow.parent() != nullptr && aWindow.parent()->kind() == WindowKind::ToolBar)
            {
                // A tool's text is its tip, which also names it to a screen reader.
                button->SetToolTip(text);
                setScreenReaderName(*button, aWindow.text());
                // A click on a tool leaves the focus where the user works.
                button->SetCanFocus(false);
            }
            return button;
        }
        // Sized by its layout, not by the toolkit's wider default.
        return new wxButton(aParent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    case WindowKind::CheckBox:
        if (style.pushLike)
        {
            return new wxToggleButton(aParent, wxID_ANY, text);
        }
        return new wxCheckBox(aParent, wxID_ANY, text);
    case WindowKind::RadioButton:
        if (style.pushLike)
        {
            return new wxToggleButton(aParent, wxID_ANY, text);
        }
        return new wxRadioButton(aParent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, radioStyle(aWindow));
    case WindowKind::ComboBox:
        if (style.combo == ComboStyle::DropDownList)
        {
            return new wxChoice(aParent, wxID_ANY);
        }
        return new wxComboBox(aParent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                              style.combo == ComboStyle::Simple ? wxCB_SIMPLE : wxCB_DROPDOWN);
    case WindowKind::Edit:
    {
        wxTextCtrl* field = new wxTextCtrl(aParent, wxID_ANY, text);
        // A field is named by its label, the static just before it.
        if (const Window* label = labelOf(aWindow))
        {
            setScreenReaderName(*field, withoutAccessKeys(label->text()));
        }
        return field;
    }
    case WindowKind::UpDown:
    {
        // The model moves the position; the widget only reports the arrows.
        const Window::Watch watch(aWindow);
        return new ArrowPair(aParent, [this, watch](bool anUp) {
            if (Window* window = watch.get())
            {
                myBackend.guard([this, window, anUp]() { onSpin(*window, anUp); });
            }
        });
    }
    case WindowKind::ListBox:
        if (aWindow.rectangle().height() < 2 * aParent->GetCharHeight())
        {
            // A list one line high shows its selected item, as the unit's
            // status lists do; the toolkit's list has no room for its scroll bar.
            return new wxStaticText(aParent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                    wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END | wxBORDER_SUNKEN);
        }
        return new wxListBox(aParent, wxID_ANY);
    case WindowKind::Static:
        if (isPainted(aWindow))
        {
            return new PaintedStatic(aParent, aWindow, bitmaps);
        }
        return new wxStaticText(aParent, wxID_ANY, toWx(withoutAccessKeys(aWindow.text())), wxDefaultPosition,
                                wxDefaultSize, wxST_NO_AUTORESIZE);
    case WindowKind::GroupBox:
        return new wxStaticBox(aParent, wxID_ANY, text);
    case WindowKind::TabControl:
        return new TabStrip(aParent, aWindow);
    case WindowKind::ProgressBar:
        return new wxGauge(aParent, wxID_ANY, 100);
    case WindowKind::ToolBar:
        return new wxPanel(aParent, wxID_ANY);
    case WindowKind::StatusBar:
        // Its panes fill it: a frame would take their room.
        return new wxPanel(aParent, wxID_ANY);
    }
    return new wxPanel(aParent, wxID_ANY);
}

wxWindow* WxView::ownerFor(const Window* aWindow) const
{
    // The window the user works in: the innermost modal dialog, else the
    // newest window on the screen. A window it owns stays above it and takes
    // the focus from it.
    if (const Window* dialog = modal())
    {
        wxWindow* widget = dialog != aWindow ? widgetOf(*dialog) : nullptr;
        if (widget != nullptr && widget->IsShown())
        {
            return widget;
        }
    }
    for (auto root = myRoots.rbegin(); root != myRoots.rend(); ++root)
    {
        const Window* window = root->get();
        wxWindow* widget = window != nullptr && window != aWindow ? widgetOf(*window) : nullptr;
        if (widget != nullptr && widget->IsTopLevel() && widget->IsShown())
        {
            return widget;
        }
    }
    return nullptr;
}
}
