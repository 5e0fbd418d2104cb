#include "Models/DynamicRangePresetDefinition.h"

DynamicRangePresetDefinition::DynamicRangePresetDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "Dynamic range compression disabled",
          "Preset 1, Film: Standard",
          "Preset 2, Film: Light",
          "Preset 3, Music: Standard",
          "Preset 4, Music: Light",
          "Preset 5, Speech",
      })
{
}
