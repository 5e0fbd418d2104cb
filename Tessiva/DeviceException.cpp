#include "Tessiva/DeviceException.h"

DeviceException::DeviceException(const std::string& aMessage, const DeviceKey& aKey)
    : VornaException(aMessage), myKey(aKey)
{
}
