#include "tests/Desktop/LayoutCheck.h"

#include "Platform/Window/Window.h"
#include "Platform/Wx/WxView.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

#include <sstream>

using Platform::Window;
using Platform::WindowKind;

namespace
{
std::string text(const wxRect& aRectangle)
{
    std::ostringstream out;
    out << "(" << aRectangle.x << ", " << aRectangle.y << ", " << aRectangle.width << " x " << aRectangle.height << ")";
    return out.str();
}

std::string text(const wxSize& aSize)
{
    std::ostringstream out;
    out << aSize.x << " x " << aSize.y;
    return out.str();
}

std::string name(const Window& aControl)
{
    return aControl.describe();
}

wxRect placeOf(const wxWindow& aWidget)
{
    return wxRect(aWidget.GetPosition(), aWidget.GetSize());
}

// The size the widget needs for its whole text and frame; empty for kinds
// whose size is the layout's choice (edits' width, pictures, bars).
wxSize needOf(const Window& aControl, wxWindow& aWidget)
{
    switch (aControl.kind())
    {
    case WindowKind::ComboBox:
        if (aControl.itemCount() == 0)
        {
            // The toolkit's size of an empty box tells nothing of its texts.
            return wxSize();
        }
        return aWidget.GetBestSize();
    case WindowKind::Static:
    case WindowKind::CheckBox:
    case WindowKind::RadioButton:
        if (dynamic_cast<wxStaticText*>(&aWidget) != nullptr || dynamic_cast<wxCheckBox*>(&aWidget) != nullptr ||
            dynamic_cast<wxRadioButton*>(&aWidget) != nullptr || dynamic_cast<wxChoice*>(&aWidget) != nullptr ||
            dynamic_cast<wxComboBox*>(&aWidget) != nullptr || dynamic_cast<wxToggleButton*>(&aWidget) != nullptr)
        {
            return aWidget.GetBestSize();
        }
        return wxSize();
    case WindowKind::Button:
        if (!aControl.style().image && aControl.image() == 0)
        {
            return aWidget.GetBestSize();
        }
        return wxSize();
    case WindowKind::ListBox:
        if (dynamic_cast<wxStaticText*>(&aWidget) != nullptr)
        {
            // One line: its selected item's text.
            return aWidget.GetBestSize();
        }
        return wxSize(aWidget.GetBestSize().x, 0);
    case WindowKind::Edit:
        return wxSize(0, aWidget.GetBestSize().y);
    case WindowKind::GroupBox:
    {
        wxCoord width = 0;
        wxCoord height = 0;
        // The whole caption, not what the box shows of it: a caption with too
        // little room shows only its end. Its room is the box less four
        // characters' width for the frame's corners and the caption's margins.
        // (A file's path is the one caption meant to show its end only.)
        const std::string caption = aControl.text().find('/') == std::string::npos ? aControl.text() : std::string();
        aWidget.GetTextExtent(caption.empty() ? aWidget.GetLabel() : wxString::FromUTF8(caption), &width, &height);
        return wxSize(width + 4 * aWidget.GetCharWidth(), height);
    }
    default:
        return wxSize();
    }
}

class Checker
{
public:
    Checker(const Platform::WxView& aView, const std::string& aName) : myView(aView), myName(aName) {}

    void check(const Window& aWindow)
    {
        const std::vector<Window*> children = aWindow.children();
        std::vector<std::pair<const Window*, wxRect>> shown;
        for (const Window* child : children)
        {
            if (!child->isShown())
            {
                continue;
            }
            wxWindow* widget = myView.widgetOf(*child);
            if (widget == nullptr || !widget->IsShownOnScreen())
            {
                fault(*child, "is visible in the model but its widget is not shown");
                continue;
            }
            const wxRect place = placeOf(*widget);
            checkInside(aWindow, *child, unscrolled(aWindow, place));
            checkNeed(*child, *widget, place);
            if (child->kind() != WindowKind::GroupBox)
            {
                for (const auto& other : shown)
                {
                    if (other.second.Intersects(place))
                    {
                        fault(*child, "covers " + name(*other.first) + ": " + text(place) + " and " + text(other.second));
                    }
                }
                shown.push_back(std::make_pair(child, place));
            }
            if (child->kind() == WindowKind::TabControl)
            {
                checkTabs(*child, *widget);
            }
            check(*child);
        }
    }

    std::vector<std::string> faults;

private:
    void fault(const Window& aControl, const std::string& aWhat)
    {
        faults.push_back(myName + ": " + name(aControl) + " " + aWhat);
    }

    void checkInside(const Window& aParent, const Window& aChild, const wxRect& aPlace)
    {
        wxWindow* parent = myView.widgetOf(aParent);
        if (parent == nullptr)
        {
            return;
        }
        // A scrolled form holds what it can scroll to.
        const wxScrolledWindow* form = dynamic_cast<const wxScrolledWindow*>(parent);
        const wxRect client(wxPoint(0, 0), form != nullptr ? form->GetVirtualSize() : parent->GetClientSize());
        if (!client.Contains(aPlace))
        {
            fault(aChild, "lies outside its parent " + name(aParent) + ": " + text(aPlace) + " in " + text(client));
        }
        if (aParent.kind() == WindowKind::TabControl && aChild.kind() == WindowKind::Dialog)
        {
            const Platform::Rectangle area = aParent.displayArea();
            const wxRect display(area.left, area.top, area.width(), area.height());
            if (!display.Contains(aPlace))
            {
                fault(aChild, "lies outside the display area of its tab control: " + text(aPlace) + " in " +
                                  text(display));
            }
        }
    }

    // A place in a scrolled parent, as it lies in what the parent scrolls over.
    wxRect unscrolled(const Window& aParent, const wxRect& aPlace) const
    {
        const wxScrolledWindow* form = dynamic_cast<const wxScrolledWindow*>(myView.widgetOf(aParent));
        return form != nullptr ? wxRect(form->CalcUnscrolledPosition(aPlace.GetPosition()), aPlace.GetSize()) : aPlace;
    }

    void checkNeed(const Window& aControl, wxWindow& aWidget, const wxRect& aPlace)
    {
        const wxSize need = needOf(aControl, aWidget);
        if (need.x > aPlace.width || need.y > aPlace.height)
        {
            fault(aControl, "is smaller than its text and frame need: " + text(aPlace) + ", needs " + text(need));
        }
    }

    void checkTabs(const Window& aControl, wxWindow& aStrip)
    {
        const int width = aStrip.GetClientSize().x;
        for (wxWindow* tab : aStrip.GetChildren())
        {
            wxToggleButton* button = dynamic_cast<wxToggleButton*>(tab);
            if (button == nullptr)
            {
                continue;
            }
            const wxRect place = placeOf(*button);
            const wxSize need = button->GetBestSize();
            const std::string label(button->GetLabel().utf8_str());
            if (place.GetRight() >= width)
            {
                fault(aControl, "has its tab \"" + label + "\" beyond its right edge: " + text(place));
            }
            if (need.x > place.width || need.y > place.height)
            {
                fault(aControl, "has its tab \"" + label + "\" smaller than its label: " + text(place) + ", needs " +
                                    text(need));
            }
        }
    }

    const Platform::WxView& myView;
    std::string myName;
};
}

std::vector<std::string> layoutFaults(const Platform::WxView& aView, const Platform::Window& aRoot,
                                      const std::string& aName)
{
    Checker checker(aView, aName);
    checker.check(aRoot);
    return checker.faults;
}
