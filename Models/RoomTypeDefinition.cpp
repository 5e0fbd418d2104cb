#include "Models/RoomTypeDefinition.h"

RoomTypeDefinition::RoomTypeDefinition(const std::string& aName)
    : EnumeratedDefinition(aName, {
          "Not Indicated",
          "Large room, X curve monitor",
          "Small room, flat monitor",
      })
{
}
