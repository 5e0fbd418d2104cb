#include "Platform/Wx/WxView.h"

// The widgets' events, taken into the window model as the user's input.

#include "Platform/Wx/EditChange.h"
#include "Platform/Wx/WxViewParts.h"

#include "Platform/Framework/FormView.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Wx/CloseKey.h"
#include "Platform/Wx/WxBackend.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

#include <algorithm>
#include <functional>
#include <map>

namespace Platform
{
using namespace WxViewParts;

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
}
