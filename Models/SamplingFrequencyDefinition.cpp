#include "Models/SamplingFrequencyDefinition.h"

SamplingFrequencyDefinition::SamplingFrequencyDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "Auto",
          "48 kHz",
          "44.1 kHz",
          "32 kHz",
          "Unknown/Not Indicated",
      }, -1)
{
}
