#include "Platform/Wx/WxView.h"

// The widgets brought up to date with their model windows: texts, states,
// places, tabs and menus.

#include "Platform/Wx/WxViewParts.h"

#include "Platform/Framework/MainFrame.h"
#include "Platform/Framework/MinMaxInfo.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/Menu.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxStyle.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/icon.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
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

namespace
{
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
        ++myShapeChanges;
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
        ++myShapeChanges;
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
        ++myShapeChanges;
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
