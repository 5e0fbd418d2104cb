#pragma once

#include "Toolkit/Controls/ControlObserver.h"

class LoadedBitmap;
class ValuePredicate;

namespace Platform
{
class Window;
}

// Shows one of two bitmaps on a static control (an LED, an indicator) as a
// predicate on the parameter's value chooses. Availability is not shown.
class Win32BitmapObserver : public ControlObserver
{
public:
    // Owns none of the four; throws VornaException
    // "Error initializing a Win32BitmapObserver" when any is missing.
    Win32BitmapObserver(Platform::Window* aStaticControl, const ValuePredicate* aPredicate,
                        const LoadedBitmap* aBitmapWhenTrue, const LoadedBitmap* aBitmapWhenFalse);

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

private:
    Platform::Window* myStaticControl;
    const ValuePredicate* myPredicate;
    const LoadedBitmap* myBitmapWhenTrue;
    const LoadedBitmap* myBitmapWhenFalse;
};
