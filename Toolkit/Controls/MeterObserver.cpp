#include "Toolkit/Controls/MeterObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Colour.h"
#include "Platform/Window/Rectangle.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/MeterScaler.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace
{
std::uint32_t steadyMilliseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// The share of the scale that a level lies at, kept to the window: a level or
// reference beyond the scale is drawn at its edge, and a scale without a span
// draws nothing rather than dividing by zero.
double fractionOf(double aLevel, double aBottom, double aTop)
{
    const double span = aTop - aBottom;
    if (!(span != 0.0) || !std::isfinite(span))
    {
        return 0.0;
    }
    const double fraction = (aLevel - aBottom) / span;
    if (std::isnan(fraction))
    {
        return 0.0;
    }
    return std::min(1.0, std::max(0.0, fraction));
}
}

MeterObserver::MeterObserver(Platform::Window* aMeterWindow, const MeterScaler* aScaler,
                             const MeterSettings* aSettings)
    : myScaler(aScaler), myWindow(aMeterWindow), myClock(steadyMilliseconds)
{
    if (aMeterWindow == nullptr)
    {
        throw VornaException("Null meter window");
    }
    if (aScaler == nullptr)
    {
        throw VornaException("Null meter scaler");
    }
    VORNA_ASSERT(aSettings != NULL);
    mySettings = *aSettings;
}

void MeterObserver::setClock(const Clock& aClock)
{
    myClock = aClock;
}

double MeterObserver::computedLevel(std::uint16_t aRaw) const
{
    const double x = aRaw * mySettings.scaleFactor + mySettings.offset;
    const double y = myScaler->scale(x, mySettings.bottom);
    // A scaler's result that is no number shows as silence, not as full scale.
    if (std::isnan(y) || y < mySettings.bottom)
    {
        return mySettings.bottom;
    }
    return y <= mySettings.top ? y : mySettings.top;
}

double MeterObserver::rateLimited(double aLevel, std::uint32_t aNow) const
{
    // A signed difference survives the clock's wrap.
    const double seconds = static_cast<std::int32_t>(aNow - myLastTime) * 0.001;
    if (aLevel > myLastLevel && mySettings.riseRate > 0.0)
    {
        return std::min(aLevel, myLastLevel + seconds * mySettings.riseRate);
    }
    if (aLevel < myLastLevel && mySettings.fallRate > 0.0)
    {
        return std::max(aLevel, myLastLevel - seconds * mySettings.fallRate);
    }
    return aLevel;
}

void MeterObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    myRaw = subject->value().toUnsignedShort();
    if (!subject->available())
    {
        myWindow->fillRectangle(myWindow->clientRectangle(), Platform::Colour::buttonFace());
        myDrawn = false;
        return;
    }
    show(myRaw);
}

void MeterObserver::repaint()
{
    if (const Parameter* watched = parameter())
    {
        myRaw = watched->value().toUnsignedShort();
    }
    show(myRaw);
}

void MeterObserver::show(std::uint16_t aRaw)
{
    double level = computedLevel(aRaw);
    const std::uint32_t now = myClock();
    if (myTimed)
    {
        level = rateLimited(level, now);
    }
    paint(level);
    myDrawn = true;
    myLastLevel = level;
    myLastTime = now;
    myTimed = true;
}

void MeterObserver::paint(double aLevel)
{
    const double reference = mySettings.referenceLevel;
    if (aLevel < reference)
    {
        if (reference < mySettings.top)
        {
            fill(reference, mySettings.top, false, false);
        }
        fill(aLevel, reference, true, false);
        fill(mySettings.bottom, aLevel, false, false);
    }
    else if (aLevel > reference)
    {
        if (mySettings.bottom < reference)
        {
            fill(mySettings.bottom, reference, false, false);
        }
        fill(reference, aLevel, false, true);
        fill(aLevel, mySettings.top, false, false);
    }
    else
    {
        myWindow->fillRectangle(myWindow->clientRectangle(), Platform::Colour());
    }
}

void MeterObserver::fill(double aFrom, double aTo, bool aRed, bool aGreen)
{
    const double from = fractionOf(aFrom, mySettings.bottom, mySettings.top);
    const double to = fractionOf(aTo, mySettings.bottom, mySettings.top);
    Platform::Rectangle area = myWindow->clientRectangle();
    if (mySettings.horizontal)
    {
        const int width = area.right - area.left;
        const int left = static_cast<int>(std::trunc(width * from)) + area.left;
        const int right = static_cast<int>(std::trunc(width * to)) + area.left;
        area.left = left;
        area.right = right;
    }
    else
    {
        // Negative: the bar grows upward from the bottom edge.
        const int span = area.top - area.bottom;
        const int bottom = static_cast<int>(std::trunc(span * from)) + area.bottom;
        const int top = static_cast<int>(std::trunc(span * to)) + area.bottom;
        area.bottom = bottom;
        area.top = top;
    }
    myWindow->fillRectangle(area, Platform::Colour(aRed ? 255 : 0, aGreen ? 255 : 0, 0));
}
