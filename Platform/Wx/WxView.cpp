#include "Platform/Wx/WxView.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Framework/MinMaxInfo.h"
#include "Platform/Window/Accelerator.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/Menu.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Wx/CloseKey.h"
#include "Platform/Wx/ScreenReaderName.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxStyle.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

namespace Platform
{
namespace
{
// Menu items get ids of their own from here up, clear of the toolkit's.
const int firstMenuItemId = 100;

// The desktop's key symbol of Shift+Tab (ISO_Left_Tab), as the toolkit reports it raw.
const unsigned isoLeftTabKey = 0xFE20;

// The desktop shows the focus ring only once a key was pressed in a window;
// a person who starts with the keyboard must see where the focus is at once.
// The desktop sets it back when the window shows, so it is set on each activation.
void showFocusAlways(wxTopLevelWindow& aWindow)
{
    wxTopLevelWindow* window = &aWindow;
    aWindow.Bind(wxEVT_ACTIVATE, [window](wxActivateEvent& anEvent) {
        anEvent.Skip();
        GtkWidget* handle = window->GetHandle();
        if (anEvent.GetActive() && handle != nullptr)
        {
            gtk_window_set_focus_visible(GTK_WINDOW(handle), TRUE);
        }
    });
}

// A main window's client size for its model rectangle, and its place in
// aPlace: with its title bar and borders it stays within the work area.
wxSize fittedClientSize(const Window& aWindow, wxWindow& aWidget, wxPoint& aPlace)
{
    const Rectangle rectangle = aWindow.rectangle();
    wxSize client(std::max(1, rectangle.width()), std::max(1, rectangle.height()));
    if (aWindow.kind() != WindowKind::Frame)
    {
        return client;
    }
    const wxRect area = wxGetClientDisplayRect();
    const wxSize border = aWidget.GetSize() - aWidget.GetClientSize();
    const wxSize room(area.width - border.x, area.height - border.y);
    // What is cut one way scrolls, and its scroll bar takes room the other way.
    const int fallbackBar = 16;
    const int verticalBar = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &aWidget);
    const int horizontalBar = wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, &aWidget);
    if (client.y >= room.y)
    {
        client.x += verticalBar > 0 ? verticalBar : fallbackBar;
    }
    if (client.x >= room.x)
    {
        client.y += horizontalBar > 0 ? horizontalBar : fallbackBar;
    }
    client.x = std::max(1, std::min(client.x, room.x));
    client.y = std::max(1, std::min(client.y, room.y));
    aPlace.x = std::max(area.x, std::min(aPlace.x, area.GetRight() + 1 - client.x - border.x));
    aPlace.y = std::max(area.y, std::min(aPlace.y, area.GetBottom() + 1 - client.y - border.y));
    return client;
}

wxString toWx(const std::string& aText)
{
    return wxString::FromUTF8(aText.c_str());
}

// Access-key markers are not drawn: "&&" is a plain ampersand.
std::string withoutAccessKeys(const std::string& aText)
{
    std::string result;
    for (std::size_t index = 0; index < aText.size(); ++index)
    {
        if (aText[index] == '&' && index + 1 < aText.size())
        {
            ++index;
        }
        result += aText[index];
    }
    return result;
}

// The label of a control: the static with text just before it in its
// template, or nullptr.
const Window* labelOf(const Window& aControl)
{
    const Window* label = nullptr;
    if (aControl.parent() == nullptr)
    {
        return nullptr;
    }
    for (const Window* sibling : aControl.parent()->children())
    {
        if (sibling == &aControl)
        {
            return label;
        }
        label = sibling->kind() == WindowKind::Static && !sibling->text().empty() ? sibling : nullptr;
    }
    return nullptr;
}

// A static's text: a static with room for more than one line breaks its
// text between words onto the next lines, as a multi-line static does.
void drawWrapped(wxDC& aDc, const wxString& aText, const wxSize& aSize)
{
    const int lineHeight = std::max(1, aDc.GetCharHeight());
    if (aSize.y < 2 * lineHeight)
    {
        aDc.DrawText(aText, 0, 0);
        return;
    }
    int y = 0;
    wxString line;
    wxString rest = aText;
    while (!rest.empty() && y < aSize.y)
    {
        const int space = rest.Find(' ');
        const wxString word = space == wxNOT_FOUND ? rest : rest.Left(static_cast<size_t>(space));
        rest = space == wxNOT_FOUND ? wxString() : rest.Mid(static_cast<size_t>(space) + 1);
        const wxString longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && aDc.GetTextExtent(longer).x > aSize.x)
        {
            aDc.DrawText(line, 0, y);
            y += lineHeight;
            line = word;
        }
        else
        {
            line = longer;
        }
    }
    if (!line.empty() && y < aSize.y)
    {
        aDc.DrawText(line, 0, y);
    }
}

// The end of aText that fits in aWidth pixels of aWidget's font, after an
// ellipsis where its start had to go.
wxString endThatFits(wxWindow& aWidget, const wxString& aText, int aWidth)
{
    if (aWidget.GetTextExtent(aText).x <= aWidth)
    {
        return aText;
    }
    const wxString ellipsis = wxString::FromUTF8("\xE2\x80\xA6");
    for (size_t start = 1; start < aText.length(); ++start)
    {
        const wxString shortened = ellipsis + aText.Mid(start);
        if (aWidget.GetTextExtent(shortened).x <= aWidth)
        {
            return shortened;
        }
    }
    return ellipsis;
}

// A static: its text, its picture, and whatever the program painted on it.
class PaintedStatic : public wxWindow
{
public:
    PaintedStatic(wxWindow* aParent, Window& aWindow, std::function<const Bitmap*(unsigned)> aBitmaps)
        : wxWindow(aParent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                   aWindow.style().sunken ? wxBORDER_SUNKEN : wxBORDER_NONE),
          myWindow(aWindow), myBitmaps(aBitmaps)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) { paint(); });
    }

private:
    void paint()
    {
        wxPaintDC dc(this);
        const wxSize size = GetClientSize();
        dc.SetBrush(wxBrush(GetParent()->GetBackgroundColour()));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(0, 0, size.x, size.y);
        Window* window = myWindow.get();
        if (window == nullptr)
        {
            return;
        }
        const Bitmap* bitmap = window->image() != 0 ? myBitmaps(window->image()) : nullptr;
        if (bitmap != nullptr)
        {
            dc.DrawBitmap(WxView::toWxBitmap(*bitmap), 0, 0);
        }
        else if (!window->text().empty())
        {
            dc.SetFont(GetParent()->GetFont());
            dc.SetTextForeground(window->isEnabled() ? *wxBLACK : wxColour(128, 128, 128));
            drawWrapped(dc, toWx(withoutAccessKeys(window->text())), size);
        }
        // What the program painted, oldest first.
        for (const Window::Fill& fill : window->paint())
        {
            dc.SetBrush(wxBrush(wxColour(fill.colour.red, fill.colour.green, fill.colour.blue)));
            dc.DrawRectangle(fill.area.left, fill.area.top, fill.area.width(), fill.area.height());
        }
    }

    Window::Watch myWindow;
    std::function<const Bitmap*(unsigned)> myBitmaps;
};

// An up-down's arrow pair, drawn to the size its template gives (the
// toolkit's own spin buttons are far wider). A press in the upper half is the
// up arrow.
class ArrowPair : public wxWindow
{
public:
    ArrowPair(wxWindow* aParent, const std::function<void(bool)>& aPress)
        : wxWindow(aParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), myPress(aPress)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) { paint(); });
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& anEvent) { hold(anEvent.GetY() < GetClientSize().y / 2); });
        Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& anEvent) { hold(anEvent.GetY() < GetClientSize().y / 2); });
        Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { release(); });
        Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { release(); });
        // An arrow held repeats its step after a pause, as long as it is held.
        myRepeat.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            if (!myRepeat.IsOneShot() || myRepeat.Start(repeatMilliseconds))
            {
                myPress(myUp);
            }
        });
    }

    ~ArrowPair() override
    {
        myRepeat.Stop();
        if (HasCapture())
        {
            ReleaseMouse();
        }
    }

private:
    static constexpr int firstRepeatMilliseconds = 400;
    static constexpr int repeatMilliseconds = 100;

    void hold(bool anUp)
    {
        myUp = anUp;
        if (!HasCapture())
        {
            CaptureMouse();
        }
        myRepeat.StartOnce(firstRepeatMilliseconds);
        myPress(anUp);
    }

    void release()
    {
        myRepeat.Stop();
        if (HasCapture())
        {
            ReleaseMouse();
        }
    }

    void paint()
    {
        wxPaintDC dc(this);
        const wxSize size = GetClientSize();
        const int half = size.y / 2;
        dc.SetPen(wxPen(wxColour(160, 160, 160)));
        dc.SetBrush(wxBrush(wxColour(240, 240, 240)));
        dc.DrawRectangle(0, 0, size.x, half);
        dc.DrawRectangle(0, half, size.x, size.y - half);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(IsEnabled() ? *wxBLACK_BRUSH : *wxGREY_BRUSH);
        const int middle = size.x / 2;
        const int reach = std::max(1, std::min(size.x / 4, half / 3));
        const wxPoint up[] = {wxPoint(middle - reach, half / 2 + reach / 2), wxPoint(middle + reach, half / 2 + reach / 2),
                              wxPoint(middle, half / 2 - reach / 2 - 1)};
        const int lower = half + (size.y - half) / 2;
        const wxPoint down[] = {wxPoint(middle - reach, lower - reach / 2), wxPoint(middle + reach, lower - reach / 2),
                                wxPoint(middle, lower + reach / 2 + 1)};
        dc.DrawPolygon(3, up);
        dc.DrawPolygon(3, down);
    }

    std::function<void(bool)> myPress;
    wxTimer myRepeat;
    bool myUp = true;
};

// A tab control: its row of tabs on top (made by WxView::updateTabs) and a
// frame around the display area, where its pages lie.
class TabStrip : public wxWindow
{
public:
    TabStrip(wxWindow* aParent, Window& aWindow)
        : wxWindow(aParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), myWindow(aWindow)
    {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) { paint(); });
    }

private:
    void paint()
    {
        wxPaintDC dc(this);
        const Window* window = myWindow.get();
        if (window == nullptr)
        {
            return;
        }
        const Rectangle area = window->displayArea();
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
        dc.DrawRectangle(area.left - 1, area.top - 1, area.width() + 2, area.height() + 2);
    }

    Window::Watch myWindow;
};

// A dialog window: its controls stand where the model puts them. (The
// toolkit would stretch a dialog's only control over the whole window.)
class ModelDialog : public wxDialog
{
public:
    ModelDialog(wxWindow* anOwner, const wxString& aTitle, long aStyle)
        : wxDialog(anOwner, wxID_ANY, aTitle, wxDefaultPosition, wxDefaultSize, aStyle)
    {
        SetAutoLayout(true);
    }

    bool Layout() override { return true; }
};

// A frame's form view: its controls at their layout's places, with scroll
// bars while the frame is smaller than what they cover.
class ScrolledForm : public wxScrolledWindow
{
public:
    explicit ScrolledForm(wxWindow* aParent)
        : wxScrolledWindow(aParent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL | wxTAB_TRAVERSAL)
    {
        SetScrollRate(scrollStep, scrollStep);
        // Real scroll bars: overlay ones show only under the pointer, and a
        // keyboard user would not see that there is more.
        if (GtkWidget* handle = GetHandle(); handle != nullptr && GTK_IS_SCROLLED_WINDOW(handle))
        {
            gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(handle), FALSE);
        }
        Bind(wxEVT_SIZE, [this](wxSizeEvent& anEvent) {
            anEvent.Skip();
            CallAfter([this]() { placeChildrenAgain(); });
        });
    }

    // Where aChild goes for its layout's place aPlace, as scrolled now; the
    // place is kept so that a resize can put the child back.
    wxPoint placeChild(const wxWindow& aChild, const wxPoint& aPlace)
    {
        myPlaces[&aChild] = aPlace;
        return CalcScrolledPosition(aPlace);
    }

    // The room the form's controls cover.
    void setExtent(const wxSize& anExtent)
    {
        if (anExtent != myExtent)
        {
            myExtent = anExtent;
            SetVirtualSize(anExtent);
        }
    }

private:
    // A resize (maximising, above all) can take the scroll position back
    // without moving the children, leaving them out of reach to the left:
    // they go again where the scroll position says.
    void placeChildrenAgain()
    {
        for (wxWindow* child : GetChildren())
        {
            const auto found = myPlaces.find(child);
            if (found != myPlaces.end())
            {
                const wxPoint place = CalcScrolledPosition(found->second);
                if (child->GetPosition() != place)
                {
                    child->Move(place);
                }
            }
        }
    }

    static constexpr int scrollStep = 10;
    wxSize myExtent;
    std::map<const wxWindow*, wxPoint> myPlaces;
};

// Where a child widget goes for its model's place: in a scrolled form, the
// place as scrolled now.
wxPoint placeIn(const wxWindow& aChild, const wxPoint& aPlace)
{
    if (ScrolledForm* form = dynamic_cast<ScrolledForm*>(aChild.GetParent()))
    {
        return form->placeChild(aChild, aPlace);
    }
    return aPlace;
}

// The height of a one-line field (a combo box's) in its font: the toolkit
// tells its best size only once the widget is realised.
int singleLineHeight(wxWindow& aWidget)
{
    const int line = aWidget.GetCharHeight() + 8;
    return std::max(line, aWidget.GetBestSize().y);
}

// A static that shows only text is the desktop's own label.
bool isPainted(const Window& aStatic)
{
    const WindowStyle& style = aStatic.style();
    return style.image || style.sunken || style.ownerDrawn || aStatic.image() != 0;
}

void describeMenu(const Menu& aMenu, std::string& aShape)
{
    for (const Menu::Item& item : aMenu.items())
    {
        aShape += std::to_string(item.command) + ":" + item.text + ";";
        if (item.popup != nullptr)
        {
            aShape += "[";
            describeMenu(*item.popup, aShape);
            aShape += "]";
        }
    }
}

wxMenu* buildMenu(const Menu& aMenu, const MainFrame& aFrame, const std::function<int(unsigned)>& anItemId)
{
    wxMenu* menu = new wxMenu();
    for (const Menu::Item& item : aMenu.items())
    {
        if (item.popup != nullptr)
        {
            menu->AppendSubMenu(buildMenu(*item.popup, aFrame, anItemId), toWx(item.text));
        }
        else if (item.isSeparator())
        {
            menu->AppendSeparator();
        }
        else
        {
            const std::optional<CommandState> state = aFrame.commandState(item.command);
            const bool checkable = state && state->checked;
            menu->Append(anItemId(item.command), toWx(item.text), wxString(),
                         checkable ? wxITEM_CHECK : wxITEM_NORMAL);
        }
    }
    return menu;
}

MainFrame* mainFrameOf(const Window& aWindow)
{
    if (!Application::exists())
    {
        return nullptr;
    }
    MainFrame* frame = Application::current().mainFrame();
    return frame != nullptr && &frame->window() == &aWindow ? frame : nullptr;
}

// A list box shows its selected item, as setting the selection scrolls it
// into view: a one-line status list shows exactly the value it holds.
void showSelection(wxListBox& aBox, int aSelection)
{
    if (aSelection >= 0 && aSelection < static_cast<int>(aBox.GetCount()))
    {
        aBox.SetFirstItem(aSelection);
    }
}

// One change the user made in an edit field: the characters start..end of
// the text before it gave way to inserted.
struct EditChange
{
    int start = 0;
    int end = 0;
    std::string inserted;
};

// The change from aBefore to anAfter. The caret stands after what was typed
// or pasted, which tells where the change lies when the text repeats itself
// (typing "8" over the middle "8" of "888").
EditChange editChange(const std::string& aBefore, const std::string& anAfter, long aCaret)
{
    const std::size_t before = aBefore.size();
    const std::size_t after = anAfter.size();
    std::size_t tail = 0;
    if (aCaret >= 0 && static_cast<std::size_t>(aCaret) <= after)
    {
        tail = after - static_cast<std::size_t>(aCaret);
    }
    if (tail > before || aBefore.compare(before - tail, tail, anAfter, after - tail, tail) != 0)
    {
        tail = 0;
        while (tail < before && tail < after && aBefore[before - 1 - tail] == anAfter[after - 1 - tail])
        {
            ++tail;
        }
    }
    std::size_t head = 0;
    while (head + tail < before && head + tail < after && aBefore[head] == anAfter[head])
    {
        ++head;
    }
    EditChange change;
    change.start = static_cast<int>(head);
    change.end = static_cast<int>(before - tail);
    change.inserted = anAfter.substr(head, after - tail - head);
    return change;
}

// A tool-bar button's picture: the bar's bitmap holds every button's
// picture side by side, in the order of the buttons.
wxBitmap toolPicture(const Window& aButton, const wxBitmap& aStrip)
{
    int index = -1;
    int buttons = 0;
    for (const Window* sibling : aButton.parent()->children())
    {
        if (sibling == &aButton)
        {
            index = buttons;
        }
        if (sibling->kind() == WindowKind::Button)
        {
            ++buttons;
        }
    }
    const int width = buttons > 0 ? aStrip.GetWidth() / buttons : 0;
    if (index < 0 || width <= 0)
    {
        return aStrip;
    }
    return aStrip.GetSubBitmap(wxRect(index * width, 0, width, aStrip.GetHeight()));
}
}

// Counts the handling of one input; the model's changes reach the widgets
// when it ends.
class WxView::Dispatch
{
public:
    explicit Dispatch(WxView& aView) : myView(aView) { ++myView.myDepth; }
    ~Dispatch()
    {
        --myView.myDepth;
        myView.myBackend.afterDispatch();
    }

private:
    WxView& myView;
};

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
    for (int y = 0; y < aBitmap.height(); ++y)
    {
        for (int x = 0; x < aBitmap.width(); ++x)
        {
            const Colour colour = aBitmap.pixel(x, y);
            image.SetRGB(x, y, colour.red, colour.green, colour.blue);
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
    if (focus != myFocus || tabTurned)
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

bool WxView::translateAccelerator(Window& aTop, const wxKeyEvent& anEvent)
{
    MainFrame* frame = mainFrameOf(aTop);
    if (frame == nullptr || modal() != nullptr)
    {
        return false;
    }
    const int code = anEvent.GetKeyCode();
    unsigned key = 0;
    if (code >= WXK_F1 && code <= WXK_F12)
    {
        key = Accelerator::f1 + static_cast<unsigned>(code - WXK_F1);
    }
    else if (code == WXK_INSERT || code == WXK_NUMPAD_INSERT)
    {
        key = Accelerator::insert;
    }
    else if (code == WXK_DELETE || code == WXK_NUMPAD_DELETE)
    {
        key = Accelerator::deleteKey;
    }
    else if (code == WXK_BACK)
    {
        key = Accelerator::backspace;
    }
    else if (code > 32 && code < 127)
    {
        key = static_cast<unsigned>(std::toupper(code));
    }
    const unsigned modifiers = (anEvent.ShiftDown() ? Accelerator::shift : 0) |
                               (anEvent.ControlDown() ? Accelerator::control : 0) |
                               (anEvent.AltDown() ? Accelerator::alt : 0);
    const unsigned command = key != 0 ? frame->accelerator(key, modifiers) : 0;
    if (command == 0)
    {
        return false;
    }
    // The edit keys are the field's own: it copies, cuts and pastes, and
    // its changes reach the model as the user's.
    const bool editCommand = command == CommandIds::editCopy || command == CommandIds::editCut ||
                             command == CommandIds::editPaste || command == CommandIds::editUndo;
    if (editCommand && dynamic_cast<wxTextCtrl*>(wxWindow::FindFocus()) != nullptr)
    {
        return false;
    }
    Dispatch dispatch(*this);
    myDirty = true;
    myBackend.guard([frame, command]() { frame->routeCommand(command); });
    return true;
}

bool WxView::navigate(Window& aTop, const wxKeyEvent& aKey)
{
    enum class Move
    {
        None,
        Tab,
        TurnInnermost,
        TurnFocused,
        Spin,
        Stay
    };
    const int code = aKey.GetKeyCode();
    const int modifiers = aKey.GetModifiers();
    const bool shift = (modifiers & wxMOD_SHIFT) != 0;
    const bool control = (modifiers & wxMOD_CONTROL) != 0;
    const bool onlyShiftOrControl = (modifiers & ~(wxMOD_SHIFT | wxMOD_CONTROL)) == 0;
    // The desktop sends Shift+Tab as a key of its own: backward, whatever the modifiers say.
    const bool leftTab = aKey.GetRawKeyCode() == isoLeftTabKey;
    const bool tab = code == WXK_TAB || code == WXK_NUMPAD_TAB || leftTab;
    const bool backward = shift || leftTab;
    const bool forwardArrow = code == WXK_RIGHT || code == WXK_DOWN || code == WXK_NUMPAD_RIGHT || code == WXK_NUMPAD_DOWN;
    const bool backwardArrow = code == WXK_LEFT || code == WXK_UP || code == WXK_NUMPAD_LEFT || code == WXK_NUMPAD_UP;
    const bool upDownArrow = code == WXK_UP || code == WXK_DOWN || code == WXK_NUMPAD_UP || code == WXK_NUMPAD_DOWN;
    const bool pageDown = code == WXK_PAGEDOWN || code == WXK_NUMPAD_PAGEDOWN;
    const bool pageUp = code == WXK_PAGEUP || code == WXK_NUMPAD_PAGEUP;

    Window* focus = Window::focus();
    if (focus != nullptr && focus != &aTop && !aTop.isAncestorOf(*focus))
    {
        focus = nullptr;
    }
    Move move = Move::None;
    bool forward = true;
    if (tab && onlyShiftOrControl)
    {
        // Ctrl+Tab turns the pages, Tab goes from control to control.
        move = control ? Move::TurnInnermost : Move::Tab;
        forward = !backward;
    }
    else if ((pageDown || pageUp) && modifiers == wxMOD_CONTROL)
    {
        move = Move::TurnInnermost;
        forward = pageDown;
    }
    else if ((forwardArrow || backwardArrow) && modifiers == wxMOD_NONE && focus != nullptr)
    {
        forward = forwardArrow;
        if (focus->kind() == WindowKind::TabControl)
        {
            move = Move::TurnFocused;
        }
        else if (upDownArrow && UserInput::arrowKeysUpDown(*focus) != nullptr)
        {
            move = Move::Spin;
        }
        else if (focus->kind() == WindowKind::CheckBox || focus->kind() == WindowKind::Button)
        {
            // The toolkit would move the focus by the widgets' places on the
            // screen, out of the page to the row of devices.
            move = Move::Stay;
        }
    }
    if (move == Move::None)
    {
        return false;
    }
    if (move == Move::Stay)
    {
        return true;
    }
    if (move == Move::Spin)
    {
        // As a press on the up-down's own arrow.
        Window& upDown = *UserInput::arrowKeysUpDown(*focus);
        const bool up = code == WXK_UP || code == WXK_NUMPAD_UP;
        myBackend.guard([this, &upDown, up]() { onSpin(upDown, up); });
        return true;
    }
    Dispatch dispatch(*this);
    myDirty = true;
    myBackend.guard([this, &aTop, focus, move, forward]() {
        const UserInput user(modal());
        if (move == Move::Tab)
        {
            if (focus != nullptr)
            {
                user.tab(*focus, !forward);
            }
            else
            {
                user.tabInto(aTop, !forward);
            }
        }
        else if (move == Move::TurnFocused)
        {
            // The row's own arrows stop at its ends.
            user.stepTab(*focus, forward, false);
        }
        else if (Window* tabs = user.innermostTabControl(aTop))
        {
            user.stepTab(*tabs, forward, true);
        }
    });
    return true;
}

void WxView::bindPrompt(Window& aTool, wxWindow* aWidget)
{
    // The status bar prompts for the tool under the pointer, and says its
    // idle text again when the pointer leaves.
    const Window::Watch watch(aTool);
    const auto prompt = [this, watch](bool aShown) {
        Window* tool = watch.get();
        MainFrame* frame = tool != nullptr && tool->parent() != nullptr && tool->parent()->parent() != nullptr
                               ? mainFrameOf(*tool->parent()->parent())
                               : nullptr;
        if (frame == nullptr)
        {
            return;
        }
        Dispatch dispatch(*this);
        myDirty = true;
        const unsigned command = static_cast<unsigned>(tool->id());
        myBackend.guard([frame, command, aShown]() {
            if (aShown)
            {
                frame->showPrompt(command);
            }
            else
            {
                frame->showIdleMessage();
            }
        });
    };
    aWidget->Bind(wxEVT_ENTER_WINDOW, [prompt](wxMouseEvent& anEvent) {
        anEvent.Skip();
        prompt(true);
    });
    aWidget->Bind(wxEVT_LEAVE_WINDOW, [prompt](wxMouseEvent& anEvent) {
        anEvent.Skip();
        prompt(false);
    });
}

long WxView::radioStyle(const Window& aRadio) const
{
    // The widgets of a model group make one group of the desktop's, so that
    // only the checked one looks checked: the first made starts it, the
    // others join the radio button made before them (the toolkit's rule).
    const std::vector<Window*> group = aRadio.radioGroup();
    const bool othersMade = std::any_of(group.begin(), group.end(), [this, &aRadio](const Window* aMember) {
        return aMember != &aRadio && widgetOf(*aMember) != nullptr;
    });
    return othersMade ? 0 : wxRB_GROUP;
}

void WxView::bindEvents(Window& aWindow, wxWindow* aWidget)
{
    const Window::Watch watch(aWindow);
    // Runs an input on the model window if it still exists.
    const auto input = [this, watch](const std::function<void(Window&, const UserInput&)>& anAction) {
        Window* window = watch.get();
        if (window == nullptr)
        {
            return;
        }
        Dispatch dispatch(*this);
        myDirty = true;
        myBackend.guard([&anAction, window, this]() { anAction(*window, UserInput(modal())); });
    };
    const auto click = [input](wxCommandEvent&) {
        input([](Window& aControl, const UserInput& aUser) { aUser.click(aControl); });
    };

    if (aWidget->IsTopLevel())
    {
        // The user moves and sizes the window: the model takes its new place.
        aWidget->Bind(wxEVT_SIZE, [this, watch](wxSizeEvent& anEvent) {
            anEvent.Skip();
            onPlaced(watch);
        });
        aWidget->Bind(wxEVT_MOVE, [this, watch](wxMoveEvent& anEvent) {
            anEvent.Skip();
            onPlaced(watch);
        });
        aWidget->Bind(wxEVT_MAXIMIZE, [this, watch](wxMaximizeEvent& anEvent) {
            anEvent.Skip();
            onPlaced(watch);
        });
        aWidget->Bind(wxEVT_CHAR_HOOK, [aWidget](wxKeyEvent& anEvent) {
            if (isCloseKey(anEvent))
            {
                aWidget->Close();
                return;
            }
            anEvent.Skip();
        });
        aWidget->Bind(wxEVT_CLOSE_WINDOW, [this, input](wxCloseEvent& anEvent) {
            if (!anEvent.CanVeto())
            {
                anEvent.Skip();
                return;
            }
            anEvent.Veto();
            myBackend.requestClose(
                [input]() { input([](Window& aTop, const UserInput& aUser) { aUser.close(aTop); }); });
        });
        aWidget->Bind(wxEVT_END_SESSION, [input](wxCloseEvent&) {
            input([](Window& aTop, const UserInput&) {
                Event event(Notification::SessionEnd, aTop);
                aTop.notify(event);
            });
        });
        aWidget->Bind(wxEVT_MENU, [this, input](wxCommandEvent& anEvent) {
            const auto place = myMenuCommands.find(anEvent.GetId());
            if (place == myMenuCommands.end())
            {
                anEvent.Skip();
                return;
            }
            const int command = static_cast<int>(place->second);
            input([command](Window& aTop, const UserInput&) { aTop.command(command); });
        });
        // An active main window with no field focused gives its keys to its
        // view, so that its accelerators work.
        aWidget->Bind(wxEVT_ACTIVATE, [this, watch](wxActivateEvent& anEvent) {
            anEvent.Skip();
            Window* top = watch.get();
            MainFrame* frame = top != nullptr ? mainFrameOf(*top) : nullptr;
            FormView* view = frame != nullptr ? frame->activeView() : nullptr;
            wxWindow* widget = view != nullptr ? widgetOf(view->window()) : nullptr;
            // The control the model has focused, when it is in this window.
            Window* focus = Window::focus();
            if (focus != nullptr && top != nullptr && top->isAncestorOf(*focus) && focusWidgetOf(*focus) != nullptr)
            {
                widget = focusWidgetOf(*focus);
            }
            if (anEvent.GetActive() && widget != nullptr && wxWindow::FindFocus() == nullptr)
            {
                widget->SetFocus();
            }
        });
        // The status bar prompts for the menu item under the pointer.
        aWidget->Bind(wxEVT_MENU_HIGHLIGHT, [this, input](wxMenuEvent& anEvent) {
            const auto place = myMenuCommands.find(anEvent.GetMenuId());
            const unsigned command = place != myMenuCommands.end() ? place->second : 0;
            input([command](Window& aTop, const UserInput&) {
                if (MainFrame* frame = mainFrameOf(aTop))
                {
                    if (command != 0)
                    {
                        frame->showPrompt(command);
                    }
                    else
                    {
                        frame->showIdleMessage();
                    }
                }
            });
        });
        aWidget->Bind(wxEVT_MENU_CLOSE, [input](wxMenuEvent&) {
            input([](Window& aTop, const UserInput&) {
                if (MainFrame* frame = mainFrameOf(aTop))
                {
                    frame->showIdleMessage();
                }
            });
        });
        aWidget->Bind(wxEVT_CHAR_HOOK, [this, input, watch](wxKeyEvent& anEvent) {
            const int key = anEvent.GetKeyCode();
            if (Window* top = watch.get())
            {
                if (translateAccelerator(*top, anEvent))
                {
                    return;
                }
            }
            if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_ESCAPE)
            {
                input([key](Window& aTop, const UserInput& aUser) {
                    Window* dialog = UserInput::dialogOfFocus(aTop);
                    if (dialog == nullptr)
                    {
                        dialog = &aTop;
                    }
                    if (dialog->kind() != WindowKind::Dialog)
                    {
                        return;
                    }
                    if (key == WXK_ESCAPE)
                    {
                        aUser.escape(*dialog);
                    }
                    else
                    {
                        aUser.enter(*dialog);
                    }
                });
                return;
            }
            if (Window* top = watch.get())
            {
                if (navigate(*top, anEvent))
                {
                    return;
                }
            }
            anEvent.Skip();
        });
        return;
    }

    if (aWindow.canTakeFocus())
    {
        aWidget->Bind(wxEVT_SET_FOCUS, [this, watch](wxFocusEvent& anEvent) {
            anEvent.Skip();
            onFocused(watch);
        });
    }

    switch (aWindow.kind())
    {
    case WindowKind::Button:
        aWidget->Bind(wxEVT_BUTTON, click);
        if (aWindow.parent() != nullptr && aWindow.parent()->kind() == WindowKind::ToolBar)
        {
            bindPrompt(aWindow, aWidget);
        }
        break;
    case WindowKind::CheckBox:
        aWidget->Bind(wxEVT_CHECKBOX, click);
        aWidget->Bind(wxEVT_TOGGLEBUTTON, click);
        break;
    case WindowKind::RadioButton:
        aWidget->Bind(wxEVT_RADIOBUTTON, click);
        aWidget->Bind(wxEVT_TOGGLEBUTTON, click);
        break;
    case WindowKind::ComboBox:
    case WindowKind::ListBox:
    {
        const auto pick = [input](wxCommandEvent& anEvent) {
            const int index = anEvent.GetSelection();
            input([index](Window& aControl, const UserInput& aUser) {
                if (index >= 0 && index < aControl.itemCount())
                {
                    aUser.pick(aControl, index);
                }
            });
        };
        aWidget->Bind(wxEVT_CHOICE, pick);
        aWidget->Bind(wxEVT_COMBOBOX, pick);
        aWidget->Bind(wxEVT_LISTBOX, pick);
        break;
    }
    case WindowKind::Edit:
        // The widget edits as the desktop's fields do (keys, selections made
        // with the mouse or Shift, Ctrl+A, paste, cut); each change it made
        // then reaches the model as the user's input.
        aWidget->Bind(wxEVT_TEXT, [this, watch, aWidget](wxCommandEvent&) {
            if (Window* edit = watch.get())
            {
                myBackend.guard([&]() { onEditChanged(*edit, aWidget); });
            }
        });
        // A field that loses the focus no longer shows its selection; the
        // model keeps it for when the focus comes back.
        aWidget->Bind(wxEVT_KILL_FOCUS, [aWidget](wxFocusEvent& anEvent) {
            anEvent.Skip();
            if (wxTextCtrl* field = dynamic_cast<wxTextCtrl*>(aWidget))
            {
                long from = 0;
                long to = 0;
                field->GetSelection(&from, &to);
                if (from != to)
                {
                    field->SetInsertionPoint(from);
                }
            }
        });
        break;
    default:
        break;
    }
}

void WxView::onEditChanged(Window& anEdit, wxWindow* aWidget)
{
    wxTextCtrl* field = dynamic_cast<wxTextCtrl*>(aWidget);
    if (field == nullptr)
    {
        return;
    }
    Dispatch dispatch(*this);
    myDirty = true;
    const std::string before = anEdit.text();
    const std::string after(field->GetValue().utf8_str());
    const UserInput user(modal());
    // What the model refuses, the widget gives back when it is brought up to date.
    if (after == before || !user.reaches(anEdit))
    {
        return;
    }
    if (!anEdit.hasFocus())
    {
        anEdit.setFocus();
    }
    const EditChange change = editChange(before, after, field->GetInsertionPoint());
    anEdit.selectText(change.start, change.end);
    if (change.inserted.empty())
    {
        user.deleteKey();
    }
    else if (change.inserted.size() == 1)
    {
        user.key(change.inserted[0]);
    }
    else
    {
        user.paste(change.inserted);
    }
}

void WxView::onPlaced(const Window::Watch& aWatch)
{
    Window* window = aWatch.get();
    wxWindow* widget = window != nullptr ? widgetOf(*window) : nullptr;
    if (myPlacing || widget == nullptr || !widget->IsShown())
    {
        return;
    }
    const wxPoint place = widget->GetPosition();
    const wxSize client = widget->GetClientSize();
    const Rectangle now(place.x, place.y, place.x + client.x, place.y + client.y);
    if (now == window->rectangle() || client.x <= 0 || client.y <= 0)
    {
        return;
    }
    Dispatch dispatch(*this);
    myDirty = true;
    const wxTopLevelWindow* top = dynamic_cast<const wxTopLevelWindow*>(widget);
    myBackend.guard([window, top, &now]() {
        if (MainFrame* frame = mainFrameOf(*window))
        {
            // Its tool bar, view and status bar are laid out again for the new size.
            const bool maximised = top != nullptr && top->IsMaximized();
            if (maximised || frame->placement().showCommand == WindowPlacement::showMaximized)
            {
                frame->maximiseByUser(maximised, now);
            }
            else
            {
                frame->resizeByUser(now);
            }
        }
        else if (now.width() == window->rectangle().width() && now.height() == window->rectangle().height())
        {
            // A dialog keeps its template's size; only its place is the user's.
            window->move(now);
        }
    });
    // What the model took is what the widget has: nothing to apply again.
    const auto place2 = myPeers.find(window);
    if (place2 != myPeers.end() && window->rectangle() == now)
    {
        place2->second->rectangle = now;
    }
}

void WxView::onFocused(const Window::Watch& aWatch)
{
    Window* control = aWatch.get();
    if (control == nullptr)
    {
        return;
    }
    Dispatch dispatch(*this);
    myDirty = true;
    myBackend.guard([this, control]() {
        if (!control->hasFocus() && UserInput(modal()).reaches(*control))
        {
            control->setFocus();
        }
    });
}

void WxView::onSpin(Window& anUpDown, bool anUp)
{
    // Presses in quick succession are one hold of the arrow, which accelerates.
    const auto now = std::chrono::steady_clock::now();
    if (mySpinning != &anUpDown || now - myLastSpin > std::chrono::milliseconds(500))
    {
        mySpinStart = now;
    }
    mySpinning = &anUpDown;
    myLastSpin = now;
    const double seconds = std::chrono::duration<double>(now - mySpinStart).count();
    Dispatch dispatch(*this);
    myDirty = true;
    UserInput(modal()).spin(anUpDown, anUp, seconds);
}

void WxView::update(Peer& aPeer)
{
    Window* window = aPeer.window.get();
    wxWindow* widget = aPeer.widget.get();
    if (window == nullptr || widget == nullptr)
    {
        return;
    }
    const Rectangle rectangle = window->rectangle();
    if (rectangle != aPeer.rectangle)
    {
        aPeer.rectangle = rectangle;
        if (widget->IsTopLevel())
        {
            const bool placing = myPlacing;
            myPlacing = true;
            if (MainFrame* frame = mainFrameOf(*window))
            {
                // The window manager keeps the user's drags within the frame's limits.
                const MinMaxInfo limits = frame->trackingLimits();
                widget->SetMinClientSize(wxSize(limits.minimumTrackWidth, limits.minimumTrackHeight));
                widget->SetMaxClientSize(wxSize(limits.maximumTrackWidth, limits.maximumTrackHeight));
            }
            wxPoint place(rectangle.left, rectangle.top);
            const wxSize client = fittedClientSize(*window, *widget, place);
            MainFrame* mainFrame = mainFrameOf(*window);
            wxTopLevelWindow* top = dynamic_cast<wxTopLevelWindow*>(widget);
            const bool maximised =
                mainFrame != nullptr && mainFrame->placement().showCommand == WindowPlacement::showMaximized;
            if (top != nullptr && mainFrame != nullptr && maximised != top->IsMaximized())
            {
                // The desktop maximises and restores; the model's rectangle follows it.
                top->Maximize(maximised);
            }
            if (!maximised)
            {
                widget->SetClientSize(client);
                widget->Move(place);
            }
            myPlacing = placing;
        }
        else
        {
            int height = std::max(1, rectangle.height());
            if (window->kind() == WindowKind::ComboBox)
            {
                // A template's height includes the dropped list; the field is one line high.
                height = std::min(height, singleLineHeight(*widget));
            }
            const wxPoint place = placeIn(*widget, wxPoint(rectangle.left, rectangle.top));
            widget->SetSize(place.x, place.y, std::max(1, rectangle.width()), height);
        }
    }

    const std::string text = window->text();
    const bool textChanged = text != aPeer.text;
    aPeer.text = text;
    switch (window->kind())
    {
    case WindowKind::Frame:
        if (textChanged)
        {
            widget->SetLabel(toWx(text));
        }
        if (window->image() != aPeer.image)
        {
            const Resources* all = resources();
            const Bitmap* picture = all != nullptr && window->image() != 0 ? all->bitmap(window->image()) : nullptr;
            if (wxFrame* frame = dynamic_cast<wxFrame*>(widget); frame != nullptr && picture != nullptr)
            {
                wxIcon icon;
                icon.CopyFromBitmap(toWxBitmap(*picture));
                frame->SetIcon(icon);
            }
        }
        updateMenu(aPeer);
        break;
    case WindowKind::Dialog:
    case WindowKind::Button:
        if (textChanged && !window->style().image)
        {
            widget->SetLabel(toWx(text));
        }
        break;
    case WindowKind::GroupBox:
        if (textChanged || aPeer.captionWidth != rectangle.width())
        {
            // A caption too long for its box shows its end: a path shows its file's name.
            aPeer.captionWidth = rectangle.width();
            widget->SetLabel(endThatFits(*widget, toWx(text), rectangle.width() - 4 * widget->GetCharWidth()));
        }
        break;
    case WindowKind::CheckBox:
    case WindowKind::RadioButton:
        if (textChanged)
        {
            widget->SetLabel(toWx(text));
        }
        if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(widget))
        {
            if (box->GetValue() != window->isChecked())
            {
                box->SetValue(window->isChecked());
            }
        }
        else if (wxRadioButton* radio = dynamic_cast<wxRadioButton*>(widget))
        {
            if (radio->GetValue() != window->isChecked())
            {
                radio->SetValue(window->isChecked());
            }
        }
        else if (wxToggleButton* toggle = dynamic_cast<wxToggleButton*>(widget))
        {
            if (toggle->GetValue() != window->isChecked())
            {
                toggle->SetValue(window->isChecked());
            }
        }
        break;
    case WindowKind::ComboBox:
    case WindowKind::ListBox:
    {
        wxItemContainer* list = dynamic_cast<wxItemContainer*>(widget);
        if (list != nullptr && window->items() != aPeer.items)
        {
            aPeer.items = window->items();
            list->Clear();
            for (const std::string& item : aPeer.items)
            {
                list->Append(toWx(item));
            }
            aPeer.selection = -2;
        }
        if (wxChoice* choice = dynamic_cast<wxChoice*>(widget))
        {
            if (choice->GetSelection() != window->selection())
            {
                choice->SetSelection(window->selection());
            }
        }
        else if (wxComboBox* combo = dynamic_cast<wxComboBox*>(widget))
        {
            if (combo->GetSelection() != window->selection() || aPeer.selection != window->selection())
            {
                combo->SetSelection(window->selection());
            }
            if (combo->GetValue() != toWx(text))
            {
                combo->ChangeValue(toWx(text));
            }
        }
        else if (wxStaticText* line = dynamic_cast<wxStaticText*>(widget))
        {
            const wxString shown = toWx(window->itemText(window->selection()));
            if (line->GetLabel() != shown)
            {
                line->SetLabel(shown);
            }
        }
        else if (wxListBox* box = dynamic_cast<wxListBox*>(widget))
        {
            if (box->GetSelection() != window->selection())
            {
                if (window->selection() < 0)
                {
                    box->SetSelection(wxNOT_FOUND);
                }
                else
                {
                    box->SetSelection(window->selection());
                }
            }
            showSelection(*box, window->selection());
        }
        aPeer.selection = window->selection();
        break;
    }
    case WindowKind::Edit:
        if (wxTextCtrl* field = dynamic_cast<wxTextCtrl*>(widget))
        {
            if (field->IsEditable() == window->isReadOnly())
            {
                field->SetEditable(!window->isReadOnly());
            }
            const std::pair<int, int> selection = window->textSelection();
            if (field->GetValue() != toWx(text))
            {
                field->ChangeValue(toWx(text));
                aPeer.textSelection = std::make_pair(-2, -2);
            }
            if (selection != aPeer.textSelection && selection.first >= 0)
            {
                // A field shows its selection only while it has the focus.
                if (selection.first == selection.second || !field->HasFocus())
                {
                    field->SetInsertionPoint(selection.first);
                }
                else
                {
                    field->SetSelection(selection.first, selection.second);
                }
            }
            aPeer.textSelection = selection;
        }
        break;
    case WindowKind::ProgressBar:
        if (wxGauge* gauge = dynamic_cast<wxGauge*>(widget))
        {
            const int low = std::min(window->lower(), window->upper());
            const int range = std::max(1, std::abs(window->upper() - window->lower()));
            if (gauge->GetRange() != range)
            {
                gauge->SetRange(range);
            }
            const int value = std::max(0, std::min(range, window->position() - low));
            if (gauge->GetValue() != value)
            {
                gauge->SetValue(value);
            }
        }
        break;
    case WindowKind::TabControl:
        updateTabs(aPeer);
        break;
    case WindowKind::Static:
    {
        if (wxStaticText* label = dynamic_cast<wxStaticText*>(widget))
        {
            if (textChanged || label->GetSize() != wxSize(rectangle.width(), rectangle.height()))
            {
                label->SetLabel(toWx(withoutAccessKeys(text)));
                // A label that keeps its size still needs the room of its new text.
                label->InvalidateBestSize();
                // A label taller than a line breaks its text at word ends;
                // a one-line label keeps its line (its end is cut, not its middle).
                if (rectangle.height() >= 2 * label->GetCharHeight())
                {
                    label->Wrap(std::max(1, rectangle.width()));
                }
            }
            break;
        }
        // Visited because its text, picture or paint changed.
        widget->Refresh();
        break;
    }
    default:
        break;
    }
    aPeer.image = window->image();

    if (window->isEnabled() != aPeer.enabled || widget->IsThisEnabled() != window->isEnabled())
    {
        aPeer.enabled = window->isEnabled();
        widget->Enable(aPeer.enabled);
    }
    // A top-level window shows while it is a root and shown; a modal dialog
    // is shown by its loop.
    if (window->isShown() != widget->IsShown())
    {
        widget->Show(window->isShown());
    }
}

void WxView::updateTabs(Peer& aPeer)
{
    Window* window = aPeer.window.get();
    wxWindow* strip = aPeer.widget.get();
    const std::vector<std::string>& labels = window->items();
    if (labels != aPeer.items || aPeer.tabsWidth != aPeer.rectangle.width())
    {
        aPeer.items = labels;
        aPeer.tabsWidth = aPeer.rectangle.width();
        for (wxWeakRef<wxWindow>& tab : aPeer.tabs)
        {
            if (wxWindow* button = tab.get())
            {
                button->Destroy();
            }
        }
        aPeer.tabs.clear();
        const std::vector<wxRect> places = WxStyle::tabLayout(labels, aPeer.rectangle.width());
        for (std::size_t index = 0; index < labels.size(); ++index)
        {
            wxToggleButton* tab = new wxToggleButton(strip, wxID_ANY, toWx(labels[index]), places[index].GetPosition(),
                                                     places[index].GetSize(), wxBU_EXACTFIT);
            tab->SetFont(WxStyle::dialogFont());
            tab->SetToolTip(toWx(labels[index]));
            const Window::Watch watch(*window);
            const int tabIndex = static_cast<int>(index);
            // A tab holds the focus for its row.
            tab->Bind(wxEVT_SET_FOCUS, [this, watch](wxFocusEvent& anEvent) {
                anEvent.Skip();
                onFocused(watch);
            });
            tab->Bind(wxEVT_TOGGLEBUTTON, [this, watch, tabIndex](wxCommandEvent&) {
                Window* control = watch.get();
                if (control == nullptr)
                {
                    return;
                }
                Dispatch dispatch(*this);
                myDirty = true;
                // The buttons show the model's choice once it is taken, not their own toggle.
                if (tabIndex < control->itemCount())
                {
                    myBackend.guard([this, control, tabIndex]() { UserInput(modal()).selectTab(*control, tabIndex); });
                }
            });
            aPeer.tabs.push_back(wxWeakRef<wxWindow>(tab));
        }
        aPeer.selection = -2;
        strip->Refresh();
    }
    for (std::size_t index = 0; index < aPeer.tabs.size(); ++index)
    {
        if (wxToggleButton* tab = dynamic_cast<wxToggleButton*>(aPeer.tabs[index].get()))
        {
            const bool selected = static_cast<int>(index) == window->selection();
            if (tab->GetValue() != selected)
            {
                tab->SetValue(selected);
            }
        }
    }
    aPeer.selection = window->selection();
}

void WxView::updateMenu(Peer& aPeer)
{
    Window* window = aPeer.window.get();
    wxFrame* frame = dynamic_cast<wxFrame*>(aPeer.widget.get());
    MainFrame* mainFrame = mainFrameOf(*window);
    if (frame == nullptr || mainFrame == nullptr)
    {
        return;
    }
    const Menu menu = mainFrame->menu();
    std::string shape;
    describeMenu(menu, shape);
    if (shape != aPeer.menuShape)
    {
        aPeer.menuShape = shape;
        const auto itemId = [this](unsigned aCommand) {
            const auto place = myMenuItems.find(aCommand);
            if (place != myMenuItems.end())
            {
                return place->second;
            }
            const int id = firstMenuItemId + static_cast<int>(myMenuItems.size());
            myMenuItems[aCommand] = id;
            myMenuCommands[id] = aCommand;
            return id;
        };
        wxMenuBar* bar = new wxMenuBar();
        for (const Menu::Item& item : menu.items())
        {
            if (item.popup != nullptr)
            {
                bar->Append(buildMenu(*item.popup, *mainFrame, itemId), toWx(item.text));
            }
        }
        wxMenuBar* old = frame->GetMenuBar();
        frame->SetMenuBar(bar);
        // The model's layout fills the client area, which the menu bar shrinks.
        wxPoint place = frame->GetPosition();
        frame->SetClientSize(fittedClientSize(*window, *frame, place));
        if (old != nullptr)
        {
            delete old;
        }
    }
    wxMenuBar* bar = frame->GetMenuBar();
    if (bar == nullptr)
    {
        return;
    }
    for (unsigned command : mainFrame->commands())
    {
        const int id = menuItemId(command);
        wxMenuItem* item = id != wxID_NONE ? bar->FindItem(id) : nullptr;
        const std::optional<CommandState> state = mainFrame->commandState(command);
        if (item == nullptr || !state)
        {
            continue;
        }
        if (item->IsEnabled() != state->enabled)
        {
            item->Enable(state->enabled);
        }
        if (item->IsCheckable() && item->IsChecked() != state->checked)
        {
            item->Check(state->checked);
        }
    }
}
}
