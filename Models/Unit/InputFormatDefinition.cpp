#include "Models/Unit/InputFormatDefinition.h"

InputFormatDefinition::InputFormatDefinition()
    : EnumeratedDefinition("Input Format", {
          "PCM",
          "Pre-encoded",
          "Autodetect",
      })
{
}
