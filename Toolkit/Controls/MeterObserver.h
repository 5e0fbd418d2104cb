#pragma once

#include "Toolkit/Controls/ControlObserver.h"
#include "Toolkit/Controls/MeterSettings.h"

#include <cstdint>
#include <functional>

class MeterScaler;

namespace Platform
{
class Window;
}

// A level meter: paints a parameter's value as a bar into a window, green
// above the reference level, red below it, black elsewhere; the button-face
// colour while the parameter is unavailable. The bar moves no faster than
// the settings' rise and fall rates allow.
class MeterObserver : public ControlObserver
{
public:
    // Milliseconds of a clock that only goes forward; it may wrap.
    typedef std::function<std::uint32_t()> Clock;

    // Throws VornaException "Null meter window" or "Null meter scaler" for a
    // missing window or scaler. Copies the settings; owns neither the window
    // nor the scaler.
    MeterObserver(Platform::Window* aMeterWindow, const MeterScaler* aScaler, const MeterSettings* aSettings);

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}
    // Paints the parameter's current value again, as an update of an available
    // parameter does, whether the parameter is available or not; a meter whose
    // parameter has gone shows the value it last had.
    void repaint();
    // Replaces the steady clock (tests drive the rate limits by hand).
    void setClock(const Clock& aClock);

    // The level in scale units that a raw value shows, before rate limiting.
    double computedLevel(std::uint16_t aRaw) const;
    bool drawn() const { return myDrawn; }
    double lastLevel() const { return myLastLevel; }

private:
    double rateLimited(double aLevel, std::uint32_t aNow) const;
    void show(std::uint16_t aRaw);
    void paint(double aLevel);
    void fill(double aFrom, double aTo, bool aRed, bool aGreen);

    bool myDrawn = false;
    const MeterScaler* myScaler;
    Platform::Window* myWindow;
    MeterSettings mySettings;
    double myLastLevel = 0.0;
    std::uint32_t myLastTime = 0;
    // The parameter's value at the last update.
    std::uint16_t myRaw = 0;
    // Whether a level was drawn at a time yet: the first one is not rate limited.
    bool myTimed = false;
    Clock myClock;
};
