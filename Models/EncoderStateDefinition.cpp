#include "Models/EncoderStateDefinition.h"

EncoderStateDefinition::EncoderStateDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "Stop",
          "Start",
          "Time Code Control",
      })
{
}
