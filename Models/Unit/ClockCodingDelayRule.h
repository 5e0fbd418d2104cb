#pragma once

#include "Models/Unit/UnitRule.h"

#include <cstdint>

// Follows the Clock Source ('a' 2) with the least fixed coding delay 'o' 1:
// an internal 32 kHz or 44.1 kHz clock needs a longer delay than the others.
// It first makes the Coding Delay 'a' 5 notify, so that the rules watching it
// check it again under the new clock.
class ClockCodingDelayRule final : public UnitRule
{
public:
    ClockCodingDelayRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                         std::uint16_t aLimit32, std::uint16_t aLimit44, std::uint16_t aLimitOther);
    void onSubjectUpdated() override;

private:
    std::uint16_t myLimit32;
    std::uint16_t myLimit44;
    std::uint16_t myLimitOther;
};
