#pragma once

#include "Models/Unit/UnitRule.h"

#include <cstdint>

// Applies the local coding-delay mode switch 'o' 0: external mode (1) greys the
// fixed delay 'o' 1, parks it at the model's maximum and asks the unit for -1;
// fixed mode (0) raises 'o' 1 to the least delay that the clock source's
// internal rate allows and asks the unit for that delay.
class CodingDelayModeRule final : public UnitRule
{
public:
    // The least delays for an internal 32 kHz clock, an internal 44.1 kHz clock
    // and every other clock source, then the greatest delay.
    CodingDelayModeRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                        std::uint16_t aLimit32, std::uint16_t aLimit44, std::uint16_t aLimitOther,
                        std::uint16_t aMaximum);
    void onSubjectUpdated() override;

private:
    std::uint16_t myLimit32;
    std::uint16_t myLimit44;
    std::uint16_t myLimitOther;
    std::uint16_t myMaximum;
};
