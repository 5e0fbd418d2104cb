#pragma once

#include <cstddef>

namespace Platform
{
class Window;

// The notifications a window hands to its handlers.
enum class Notification
{
    Clicked,              // button, check box, radio button
    SelectionChanged,     // combo box, list box: by the user only
    EditChanged,          // edit: after every change of its text, by the user or by setText
    FocusGained,
    FocusLost,
    SpinDelta,            // up-down: before its position moves; result != 0 refuses the move
    TabSelectionChanging, // tab control: before the user's selection; result != 0 refuses it
    TabSelectionChanged,  // tab control: after the user's selection
    TimerTick,            // code: the timer id
    Command,              // code: the command id (menu, tool bar, a button without a handler)
    CommandUpdate,        // code: the command id; the handler sets the state
    Message,              // code: the number of a posted message
    Close,                // the user closes the window (its close box)
    SessionEnd            // the desktop session ends while the program runs
};

// The state of a command that a command-update handler decides.
struct CommandState
{
    bool enabled = true;
    bool checked = false;
    bool operator==(const CommandState& anOther) const
    {
        return enabled == anOther.enabled && checked == anOther.checked;
    }
    bool operator!=(const CommandState& anOther) const { return !(*this == anOther); }
};

// One notification on its way to a handler. The handler may write the result
// (up-down and tab-changing notifications) and the command state.
struct Event
{
    Notification notification;
    Window* window;       // the window that notifies
    int code = 0;         // timer, command or message number
    int delta = 0;        // up-down: the proposed change of position
    int position = 0;     // up-down: the position before the change
    int result = 0;
    CommandState* state = nullptr; // command update only

    Event(Notification aNotification, Window& aWindow, int aCode = 0)
        : notification(aNotification), window(&aWindow), code(aCode)
    {
    }
};
}
