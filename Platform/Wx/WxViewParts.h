#pragma once

// What the files of the view share: small helpers between the window model
// and the widgets, and the count of one input being handled.

#include "Platform/Wx/WxView.h"

#include <wx/string.h>
#include <wx/gdicmn.h>

#include <string>

class wxBitmap;
class wxDC;
class wxListBox;
class wxTopLevelWindow;

namespace Platform
{
class MainFrame;

namespace WxViewParts
{
// Menu items get ids of their own from here up, clear of the toolkit's.
inline const int firstMenuItemId = 100;

// The desktop's key symbol of Shift+Tab (ISO_Left_Tab), as the toolkit reports it raw.
inline const unsigned isoLeftTabKey = 0xFE20;

// The desktop shows the focus ring only once a key was pressed in a window;
// a person who starts with the keyboard must see where the focus is at once.
// The desktop sets it back when the window shows, so it is set on each activation.
void showFocusAlways(wxTopLevelWindow& aWindow);

// A main window's client size for its model rectangle, and its place in
// aPlace: with its title bar and borders it stays within the work area.
wxSize fittedClientSize(const Window& aWindow, wxWindow& aWidget, wxPoint& aPlace);

wxString toWx(const std::string& aText);

// Access-key markers are not drawn: "&&" is a plain ampersand.
std::string withoutAccessKeys(const std::string& aText);

// The label of a control: the static with text just before it in its
// template, or nullptr.
const Window* labelOf(const Window& aControl);

// A static's text: a static with room for more than one line breaks its
// text between words onto the next lines, as a multi-line static does.
void drawWrapped(wxDC& aDc, const wxString& aText, const wxSize& aSize);

// The end of aText that fits in aWidth pixels of aWidget's font, after an
// ellipsis where its start had to go.
wxString endThatFits(wxWindow& aWidget, const wxString& aText, int aWidth);

// Where a child widget goes for its model's place: in a scrolled form, the
// place as scrolled now.
wxPoint placeIn(const wxWindow& aChild, const wxPoint& aPlace);

// The height of a one-line field (a combo box's) in its font: the toolkit
// tells its best size only once the widget is realised.
int singleLineHeight(wxWindow& aWidget);

// A static that shows only text is the desktop's own label.
bool isPainted(const Window& aStatic);

MainFrame* mainFrameOf(const Window& aWindow);

// A list box shows its selected item, as setting the selection scrolls it
// into view: a one-line status list shows exactly the value it holds.
void showSelection(wxListBox& aBox, int aSelection);

// A tool-bar button's picture: the bar's bitmap holds every button's
// picture side by side, in the order of the buttons.
wxBitmap toolPicture(const Window& aButton, const wxBitmap& aStrip);
}

// Counts the handling of one input; the model's changes reach the widgets
// when it ends.
class WxView::Dispatch
{
public:
    explicit Dispatch(WxView& aView);
    ~Dispatch();
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

private:
    WxView& myView;
};
}
