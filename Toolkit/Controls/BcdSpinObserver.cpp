#include "Toolkit/Controls/BcdSpinObserver.h"

#include "Toolkit/Controls/Bcd.h"

BcdSpinObserver::BcdSpinObserver(Platform::Window* aSpinControl) : Win32SpinObserver(aSpinControl)
{
}

int BcdSpinObserver::positionToValue(int aPosition) const
{
    return Bcd::toBcd(aPosition);
}

int BcdSpinObserver::valueToPosition(int aValue) const
{
    return Bcd::fromBcd(aValue);
}
