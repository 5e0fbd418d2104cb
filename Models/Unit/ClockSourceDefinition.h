#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

// Where a unit takes its sample clock from: the digital input, the reference input
// (with or without sample rate conversion) or one of three internal rates.
class ClockSourceDefinition : public EnumeratedDefinition
{
public:
    ClockSourceDefinition();
};
