#include "Models/CenterMixLevelDefinition.h"

CenterMixLevelDefinition::CenterMixLevelDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "-3 dB",
          "-4.5 dB",
          "-6 dB",
      })
{
}
