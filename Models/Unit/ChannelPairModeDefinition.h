#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

// How a KQ350 pairs the six channels onto its three two-channel outputs; the
// texts keep their double blanks so that the pairs line up in a list.
class ChannelPairModeDefinition : public EnumeratedDefinition
{
public:
    ChannelPairModeDefinition();
};
