#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

// The audio coding modes, named after their channel layout.
class AudioCodingModeDefinition : public EnumeratedDefinition
{
public:
    AudioCodingModeDefinition();
};
