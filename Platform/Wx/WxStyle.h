#pragma once

#include "Platform/Window/Backend.h"

#include <string>
#include <vector>

#include <wx/gdicmn.h>

class wxFont;

namespace Platform
{
// How the programs' widgets look on the desktop: dialogs, panels and pages in
// the desktop's own typeface at the point size their layouts were drawn for,
// and widgets as compact as the rows of those layouts, so that every text
// shows whole in the room its layout gives it.
class WxStyle
{
public:
    // Puts the compact look in force for every widget of the program; once.
    static void install();
    // The font of dialogs, panels and pages, and of a main frame's contents.
    static const wxFont& dialogFont();
    // The desktop's own font, which a main frame's size limits are measured in.
    static const wxFont& frameFont();
    // The average width of a letter and the height of a line of aFont.
    static FontMetrics measure(const wxFont& aFont);
    // Where the tabs aLabels of a tab control aWidth pixels wide stand: in
    // rows from the top, each as wide as its label needs, a row full when
    // the next tab would pass the right edge.
    static std::vector<wxRect> tabLayout(const std::vector<std::string>& aLabels, int aWidth);
    // The height of the rows of tabLayout.
    static int tabRowsHeight(const std::vector<std::string>& aLabels, int aWidth);
};
}
