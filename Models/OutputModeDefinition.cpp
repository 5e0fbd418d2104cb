#include "Models/OutputModeDefinition.h"

OutputModeDefinition::OutputModeDefinition()
    : EnumeratedDefinition("Output Mode", {
          "Consumer",
          "Professional 32-bit",
          "Professional 16-bit channel 1",
          "Professional 16-bit channel 2",
      })
{
}
