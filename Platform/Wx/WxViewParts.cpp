#include "Platform/Wx/WxViewParts.h"

#include "Platform/Wx/WxWidgets.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Wx/WxBackend.h"

#include <wx/listbox.h>
#include <wx/settings.h>
#include <wx/toplevel.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <map>

namespace Platform
{
namespace WxViewParts
{
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

WxView::Dispatch::Dispatch(WxView& aView) : myView(aView)
{
    ++myView.myDepth;
}

WxView::Dispatch::~Dispatch()
{
    --myView.myDepth;
    myView.myBackend.afterDispatch();
}
}
