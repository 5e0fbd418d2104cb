#pragma once

// The view's own widgets: those the toolkit has none of, or draws other than
// the window model asks (statics, an up-down's arrows, a tab control, dialogs,
// a frame's scrolled form).

#include "Platform/Wx/WxViewParts.h"

#include "Platform/Window/Bitmap.h"

#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/timer.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <functional>
#include <map>

namespace Platform
{
namespace WxViewParts
{
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
        // No background of its own: the parent's, as the desktop's theme
        // draws it, shows wherever nothing is painted.
        wxPaintDC dc(this);
        const wxSize size = GetClientSize();
        dc.SetPen(*wxTRANSPARENT_PEN);
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
}
}
