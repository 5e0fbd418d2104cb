#include "Models/BitStreamModeDefinition.h"

BitStreamModeDefinition::BitStreamModeDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "Complete Main",
          "Music and Effects",
          "Visually Impaired",
          "Hearing Impaired",
          "Dialogue",
          "Commentary",
          "Emergency",
          "Karaoke (Voice Over)",
      })
{
}
