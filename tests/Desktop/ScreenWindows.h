#pragma once

#include <wx/gdicmn.h>

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

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

// Reads what the screen shows, again and again, over a connection of its own
// (one thread at a time).
class ScreenReader
{
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // The colours (0xRRGGBB) of aPlace, row by row; empty when the screen
    // cannot be read there.
    std::vector<std::uint32_t> pixels(const wxRect& aPlace) const;

private:
    _XDisplay* myDisplay;
};
}
