#include "Models/SurroundMixLevelDefinition.h"

SurroundMixLevelDefinition::SurroundMixLevelDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "-3 dB",
          "-6 dB",
          "-Infinite dB",
      })
{
}
