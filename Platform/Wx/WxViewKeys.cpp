#include "Platform/Wx/WxView.h"

// The keyboard: the main frame's accelerators, Tab and the tab rows' keys,
// and where the focus goes.

#include "Platform/Wx/WxViewParts.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Window/Accelerator.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Wx/WxBackend.h"

#include <wx/textctrl.h>

#include <cctype>
#include <map>

namespace Platform
{
using namespace WxViewParts;

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
}
