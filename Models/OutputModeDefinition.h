#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

// The output modes.
class OutputModeDefinition : public EnumeratedDefinition
{
public:
    OutputModeDefinition();
};
