#pragma once

#include "Toolkit/Controls/BitMaskPredicate.h"
#include "Toolkit/Controls/LoadedBitmap.h"
#include "Toolkit/Controls/Win32BitmapObserver.h"

#include <array>
#include <memory>
#include <optional>

// A row of eight LEDs, LED i lit while bit i of one status value is set: the
// pictures and predicates its observers point to, and the observers. A
// dialog binds it with DeviceDialog::bindLedRow.
class LedBitRow
{
public:
    static constexpr int ledCount = 8;

private:
    friend class DeviceDialog;

    // What the observers point to comes first, so that it outlives them.
    std::optional<LoadedBitmap> myOn;
    std::optional<LoadedBitmap> myOff;
    std::array<BitMaskPredicate, ledCount> myBits{BitMaskPredicate(1),  BitMaskPredicate(2),  BitMaskPredicate(4),
                                                  BitMaskPredicate(8),  BitMaskPredicate(16), BitMaskPredicate(32),
                                                  BitMaskPredicate(64), BitMaskPredicate(128)};
    std::array<std::unique_ptr<Win32BitmapObserver>, ledCount> myObservers;
};
