#pragma once

#include "Toolkit/Controls/ValuePredicate.h"

// True while the encoder state reads as running: 1 (encoding) or 2 (clearing).
class EncoderRunningPredicate : public ValuePredicate
{
public:
    EncoderRunningPredicate();
    bool test(const ParameterValue& aValue) const override;
};
