#pragma once

#include "Toolkit/Controls/ValuePredicate.h"

// True for a value above 0, read as a signed 16-bit number.
class PositivePredicate : public ValuePredicate
{
public:
    PositivePredicate();

    bool test(const ParameterValue& aValue) const override;
};
