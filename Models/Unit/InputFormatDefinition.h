#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

// What a unit's input carries: PCM audio, an encoded stream, or either (detected).
class InputFormatDefinition : public EnumeratedDefinition
{
public:
    InputFormatDefinition();
};
