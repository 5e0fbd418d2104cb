#pragma once

#include "Models/Unit/UnitRule.h"

#include <cstdint>

// Narrows the Clock Source ('a' 2) to the clocks that the rest of the setup
// allows: the analog input needs a converted or internal clock; multiplex mode
// a reference-input clock; an encoded input the digital or the unconverted
// reference clock; a short fixed coding delay excludes the slower internal
// rates; and a 16-bit output above 384 kbps excludes the internal 32 kHz
// clock. One instance watches each of 'a' 3, 'a' 4, 'a' 5, 'B' 1, 'H' 6, 'a' 0.
class ClockSourceRule final : public UnitRule
{
public:
    // aLongDelayLimit: the least delay for the internal 32 kHz clock;
    // aShortDelayLimit: the least delay for the internal 44.1 kHz clock.
    ClockSourceRule(const ParameterId& aWatched, StatusCollection* aStatusCollection,
                    ControlCollection* aControlCollection, std::uint16_t aLongDelayLimit,
                    std::uint16_t aShortDelayLimit);
    void onSubjectUpdated() override;

private:
    std::int16_t myLongDelayLimit;
    std::int16_t myShortDelayLimit;
};
