#pragma once

#include "Models/Unit/UnitRule.h"

// An encoded input cannot run under time-code control: while Input Format
// ('a' 3) is not PCM, Requested Encoder State ('E' 0) offers only Stop and Start.
class InputFormatEncoderStateRule final : public UnitRule
{
public:
    InputFormatEncoderStateRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
