#include "Models/Unit/ClockSourceDefinition.h"

ClockSourceDefinition::ClockSourceDefinition()
    : EnumeratedDefinition("Clock Source", {
          "Digital Input",
          "Reference Input--Sample Rate Conversion Off",
          "Reference Input--Sample Rate Conversion On",
          "Internal 48 kHz",
          "Internal 44.1 kHz",
          "Internal 32 kHz",
      })
{
}
