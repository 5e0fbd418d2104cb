#pragma once

#include "Toolkit/Controls/Win32SpinObserver.h"

// An up-down on a packed-BCD parameter: it steps the decimal number, so
// 0x09 steps up to 0x10, and a step past the field's limit asks for a value
// that the parameter drops.
class BcdSpinObserver : public Win32SpinObserver
{
public:
    explicit BcdSpinObserver(Platform::Window* aSpinControl);

    int positionToValue(int aPosition) const override;
    int valueToPosition(int aValue) const override;
};
