#include "Models/InputAssignDefinition.h"

InputAssignDefinition::InputAssignDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "Use input number one",
          "Use input number two",
          "Use input number three",
          "Use input number four",
          "Use input number five",
          "Use input number six",
      })
{
}
