#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

// The test signal a unit puts out instead of its input.
class TestToneModeDefinition : public EnumeratedDefinition
{
public:
    TestToneModeDefinition();
};
