#include "Models/SurroundModeDefinition.h"

SurroundModeDefinition::SurroundModeDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "Not Indicated",
          "Not Vorna Surround Encoded",
          "Vorna Surround Encoded",
      })
{
}
