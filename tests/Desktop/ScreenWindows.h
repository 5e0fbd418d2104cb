#pragma once

#include <wx/gdicmn.h>

#include <string>

namespace Platform
{
// A top-level window on the display, and its place on the screen.
struct ScreenWindow
{
    unsigned long id = 0;   // 0: none, or not on the screen
    wxRect place;
};

// Both talk to the display itself, on any thread: the program's own loop may
// be held by a dialog of the toolkit's own.

// The first shown window titled aTitle.
ScreenWindow shownWindowTitled(const std::string& aTitle);
// Asks the window to close as its close box does, sent straight to it.
void askToClose(unsigned long aWindow);
}
