#include "Models/Unit/ChannelPairModeDefinition.h"

ChannelPairModeDefinition::ChannelPairModeDefinition()
    : EnumeratedDefinition("Bit Stream Mode", {
          "Mode 1: L/R,  Ls/Rs, C/LFE",
          "Mode 2: L/C,  R/Ls,  Rs/LFE",
          "Mode 3: L/Ls, C/Rs,  R/LFE",
          "Mode 4: L/R,  C/LFE, Ls/Rs",
          "Mode 5: L/C,  Rs/R,  Ls/LFE",
          "Mode 6: C/L,  R/Ls,  Rs/LFE",
      })
{
}
