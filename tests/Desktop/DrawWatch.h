#pragma once

#include <wx/gdicmn.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <vector>

class wxWindow;

namespace Platform
{
// Notes each time the toolkit really draws a widget on the screen (not when
// it is merely asked to): the time, the part of the widget drawn, and what a
// probe read from the widget then. Made, read and destroyed on the main thread; what it noted may be
// read from any thread.
class DrawWatch
{
public:
    typedef std::chrono::steady_clock Clock;
    struct Drawing
    {
        Clock::time_point at;
        int value;
        // What the drawing covered, in the widget's own pixels.
        wxRect area;
    };

    // aProbe (optional) reads what the widget shows, on each drawing.
    explicit DrawWatch(wxWindow& aWidget, const std::function<int()>& aProbe = nullptr);
    ~DrawWatch();
    DrawWatch(const DrawWatch&) = delete;
    DrawWatch& operator=(const DrawWatch&) = delete;

    std::vector<Drawing> drawings() const;
    // The longest time from aFrom to aTo without a drawing.
    Clock::duration longestGap(Clock::time_point aFrom, Clock::time_point aTo) const;

private:
    static int onDraw(void* aWidget, void* aContext, void* aWatch);

    void* myWidget;
    unsigned long myHandler = 0;
    std::function<int()> myProbe;
    mutable std::mutex myLock;
    std::vector<Drawing> myDrawings;
};
}
