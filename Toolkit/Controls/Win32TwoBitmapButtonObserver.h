#pragma once

#include "Toolkit/Controls/ControlObserver.h"

class ButtonCoordinator;
class LoadedBitmap;
class ValuePredicate;

// Puts one of two bitmaps on a push button as a predicate on the parameter's
// value chooses.
class Win32TwoBitmapButtonObserver : public ControlObserver
{
public:
    // Owns none of them; a missing bitmap shows none.
    Win32TwoBitmapButtonObserver(ButtonCoordinator* aCoordinator, const ValuePredicate* aPredicate,
                                 const LoadedBitmap* aBitmapWhenTrue, const LoadedBitmap* aBitmapWhenFalse);

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

private:
    ButtonCoordinator* myCoordinator;
    const ValuePredicate* myPredicate;
    const LoadedBitmap* myBitmapWhenTrue;
    const LoadedBitmap* myBitmapWhenFalse;
};
