#include "Models/RecordPlayDefinition.h"

RecordPlayDefinition::RecordPlayDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "None",
          "Record Enabled",
          "Playback Enabled",
      })
{
}
