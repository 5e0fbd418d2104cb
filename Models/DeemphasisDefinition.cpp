#include "Models/DeemphasisDefinition.h"

DeemphasisDefinition::DeemphasisDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "Auto",
          "Not Applied",
          "Applied",
      }, -1)
{
}
