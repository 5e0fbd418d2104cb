#include "Platform/Wx/WxStyle.h"

#include <wx/dcscreen.h>
#include <wx/font.h>
#include <wx/settings.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

namespace Platform
{
namespace
{
// The point size the layouts' dialog units were drawn for.
const int dialogPointSize = 8;
// A tab is its label and a margin on either side (the button's padding and
// frame); a row of tabs is a line of text and a margin above and below.
const int tabMargin = 8;
const int tabRowMargin = 4;

// The desktop theme's widgets are padded for a roomier layout than dialog
// units give: a combo box or a push button is 12 units (about 20 pixels)
// high there. Only padding and minimum sizes change, never colours or texts.
const char* const compactStyle = R"(
button, combobox button {
    min-height: 0; min-width: 0; padding: 0 6px;
}
combobox button { padding: 0 4px; }
combobox arrow { min-height: 0; min-width: 12px; }
entry { min-height: 0; padding: 0 3px; }
checkbutton, radiobutton { min-height: 0; padding: 0; margin: 0; }
checkbutton label, radiobutton label { margin: 0; padding: 0; }
check, radio { min-height: 12px; min-width: 12px; margin: 0 4px 0 0; padding: 0; }
treeview.view { padding: 0 2px; }
progressbar trough, progressbar progress { min-height: 6px; }
frame > border { border-radius: 0; }
)";
}

void WxStyle::install()
{
    static bool theInstalled = false;
    GdkScreen* screen = gdk_screen_get_default();
    if (theInstalled || screen == nullptr)
    {
        return;
    }
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, compactStyle, -1, nullptr);
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
    theInstalled = true;
}

const wxFont& WxStyle::dialogFont()
{
    static const wxFont theFont = []() {
        wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
        font.SetPointSize(dialogPointSize);
        return font;
    }();
    return theFont;
}

const wxFont& WxStyle::frameFont()
{
    static const wxFont theFont = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    return theFont;
}

FontMetrics WxStyle::measure(const wxFont& aFont)
{
    // The average is taken over the letters, as dialog units are defined.
    static const wxString theLetters("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    wxScreenDC screen;
    screen.SetFont(aFont);
    wxCoord width = 0;
    wxCoord height = 0;
    screen.GetTextExtent(theLetters, &width, &height);
    FontMetrics metrics;
    metrics.averageWidth = std::max(1, static_cast<int>(std::lround(static_cast<double>(width) / theLetters.length())));
    metrics.height = std::max(1, static_cast<int>(screen.GetCharHeight()));
    return metrics;
}

std::vector<wxRect> WxStyle::tabLayout(const std::vector<std::string>& aLabels, int aWidth)
{
    wxScreenDC screen;
    screen.SetFont(dialogFont());
    const int rowHeight = screen.GetCharHeight() + 2 * tabRowMargin;
    std::vector<wxRect> tabs;
    int left = 0;
    int top = 0;
    for (const std::string& label : aLabels)
    {
        wxCoord textWidth = 0;
        wxCoord textHeight = 0;
        screen.GetTextExtent(wxString::FromUTF8(label.c_str()), &textWidth, &textHeight);
        const int width = textWidth + 2 * tabMargin;
        if (left > 0 && left + width > aWidth)
        {
            left = 0;
            top += rowHeight;
        }
        tabs.push_back(wxRect(left, top, width, rowHeight));
        left += width;
    }
    return tabs;
}

int WxStyle::tabRowsHeight(const std::vector<std::string>& aLabels, int aWidth)
{
    const std::vector<wxRect> tabs = tabLayout(aLabels, aWidth);
    if (tabs.empty())
    {
        wxScreenDC screen;
        screen.SetFont(dialogFont());
        return screen.GetCharHeight() + 2 * tabRowMargin;
    }
    return tabs.back().GetBottom() + 1;
}
}
