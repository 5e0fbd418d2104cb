#include "Models/Unit/TestToneModeDefinition.h"

TestToneModeDefinition::TestToneModeDefinition()
    : EnumeratedDefinition("Test Tone Mode", {
          "Disabled",
          "-20 dBFS",
          "-18 dBFS",
          "Silence",
      })
{
}
