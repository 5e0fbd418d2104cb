#include "tests/Desktop/InputTest.h"

#include "tests/Desktop/DesktopSession.h"

#include "Platform/Window/Window.h"
#include "Platform/Wx/WxView.h"

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/tglbtn.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const bool theWindowManager = DesktopSession::requestWindowManager();
}

namespace Platform
{
void InputTest::SetUp()
{
    if (DesktopSession::backend() == nullptr)
    {
        GTEST_SKIP() << "no desktop: " << DesktopSession::problem();
    }
    DesktopSession::takeToolkitComplaints();
}

void InputTest::TearDown()
{
    EXPECT_EQ(std::vector<std::string>(), DesktopSession::takeToolkitComplaints()) << "the toolkit complained";
}

bool InputTest::isFocusRingShown(wxWindow& aTopLevel)
{
    GtkWidget* handle = aTopLevel.GetHandle();
    return handle != nullptr && GTK_IS_WINDOW(handle) && gtk_window_get_focus_visible(GTK_WINDOW(handle));
}

bool InputTest::showsRealScrollBar(wxWindow& aWindow, bool aHorizontal)
{
    GtkWidget* handle = aWindow.GetHandle();
    if (handle == nullptr || !GTK_IS_SCROLLED_WINDOW(handle))
    {
        return false;
    }
    GtkScrolledWindow* scrolled = GTK_SCROLLED_WINDOW(handle);
    GtkWidget* bar = aHorizontal ? gtk_scrolled_window_get_hscrollbar(scrolled) : gtk_scrolled_window_get_vscrollbar(scrolled);
    return !gtk_scrolled_window_get_overlay_scrolling(scrolled) && bar != nullptr && gtk_widget_get_mapped(bar);
}

wxRect InputTest::drawingAreaOnScreen(wxWindow& aTopLevel)
{
    GtkWidget* handle = aTopLevel.GetHandle();
    GdkWindow* window = handle != nullptr ? gtk_widget_get_window(handle) : nullptr;
    if (window == nullptr)
    {
        return wxRect();
    }
    int x = 0;
    int y = 0;
    gdk_window_get_origin(window, &x, &y);
    return wxRect(x, y, gtk_widget_get_allocated_width(handle), gtk_widget_get_allocated_height(handle));
}

wxImage InputTest::screenImage(const wxRect& aPlace)
{
    wxScreenDC screen;
    wxBitmap grab(std::max(1, aPlace.width), std::max(1, aPlace.height), 24);
    {
        wxMemoryDC memory(grab);
        memory.Blit(0, 0, aPlace.width, aPlace.height, &screen, aPlace.x, aPlace.y);
    }
    return grab.ConvertToImage();
}

bool InputTest::isToolTipShown()
{
    bool shown = false;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next)
    {
        GtkWidget* window = GTK_WIDGET(item->data);
        const bool tip = g_strcmp0(gtk_widget_get_name(window), "gtk-tooltip") == 0 ||
                         g_strcmp0(G_OBJECT_TYPE_NAME(window), "GtkTooltipWindow") == 0;
        shown = shown || (tip && gtk_widget_get_mapped(window));
    }
    g_list_free(windows);
    return shown;
}

WxBackend& InputTest::backend()
{
    return *DesktopSession::backend();
}

Window* InputTest::toolkitFocus()
{
    wxWindow* focus = wxWindow::FindFocus();
    if (focus == nullptr)
    {
        return nullptr;
    }
    if (Window* window = backend().view().windowOf(focus))
    {
        return window;
    }
    Window* parent = dynamic_cast<wxToggleButton*>(focus) != nullptr ? backend().view().windowOf(focus->GetParent())
                                                                      : nullptr;
    return parent != nullptr && parent->kind() == WindowKind::TabControl ? parent : nullptr;
}
}
