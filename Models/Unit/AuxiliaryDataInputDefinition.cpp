#include "Models/Unit/AuxiliaryDataInputDefinition.h"

AuxiliaryDataInputDefinition::AuxiliaryDataInputDefinition()
    : EnumeratedDefinition("Auxiliary Data Input", {
          "Disabled",
          "1200 bps",
          "2400 bps",
          "9600 bps",
      })
{
}
