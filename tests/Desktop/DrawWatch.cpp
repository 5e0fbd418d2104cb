#include "tests/Desktop/DrawWatch.h"

#include <wx/window.h>

#include <gtk/gtk.h>

#include <algorithm>

namespace Platform
{
DrawWatch::DrawWatch(wxWindow& aWidget, const std::function<int()>& aProbe)
    : myWidget(aWidget.GetHandle()), myProbe(aProbe)
{
    // Held, so that the handler can be taken off after the widget is gone.
    g_object_ref(myWidget);
    myHandler = g_signal_connect_after(myWidget, "draw", G_CALLBACK(&DrawWatch::onDraw), this);
}

DrawWatch::~DrawWatch()
{
    // A widget destroyed meanwhile has lost its handlers already.
    if (g_signal_handler_is_connected(myWidget, myHandler))
    {
        g_signal_handler_disconnect(myWidget, myHandler);
    }
    g_object_unref(myWidget);
}

int DrawWatch::onDraw(void*, void* aContext, void* aWatch)
{
    DrawWatch& watch = *static_cast<DrawWatch*>(aWatch);
    const int value = watch.myProbe ? watch.myProbe() : 0;
    GdkRectangle clip = {};
    const wxRect area = gdk_cairo_get_clip_rectangle(static_cast<cairo_t*>(aContext), &clip)
                            ? wxRect(clip.x, clip.y, clip.width, clip.height)
                            : wxRect();
    const std::lock_guard<std::mutex> lock(watch.myLock);
    watch.myDrawings.push_back(Drawing{Clock::now(), value, area});
    return FALSE;
}

std::vector<DrawWatch::Drawing> DrawWatch::drawings() const
{
    const std::lock_guard<std::mutex> lock(myLock);
    return myDrawings;
}

DrawWatch::Clock::duration DrawWatch::longestGap(Clock::time_point aFrom, Clock::time_point aTo) const
{
    Clock::time_point last = aFrom;
    Clock::duration longest = Clock::duration::zero();
    for (const Drawing& drawing : drawings())
    {
        if (drawing.at > aFrom && drawing.at < aTo)
        {
            longest = std::max(longest, drawing.at - last);
            last = drawing.at;
        }
    }
    return std::max(longest, aTo - last);
}
}
