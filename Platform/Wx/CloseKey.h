#pragma once

#include <wx/event.h>

namespace Platform
{
// Alt+F4 asks a window to close, as its close box does. The window manager
// usually takes the key for itself; when it leaves it to the program (its
// own grab lost to the toolkit's, or no manager at all), the window closes
// all the same.
inline bool isCloseKey(const wxKeyEvent& anEvent)
{
    return anEvent.GetKeyCode() == WXK_F4 && anEvent.GetModifiers() == wxMOD_ALT;
}
}
