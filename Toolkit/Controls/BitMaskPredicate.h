#pragma once

#include "Toolkit/Controls/ValuePredicate.h"

#include <cstdint>

// True when the value has any of the mask's bits set (an LED per bit).
class BitMaskPredicate : public ValuePredicate
{
public:
    explicit BitMaskPredicate(std::uint16_t aMask);

    bool test(const ParameterValue& aValue) const override;

private:
    std::uint16_t myMask;
};
