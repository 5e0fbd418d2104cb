#pragma once

#include "Tessiva/DeviceKey.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>

// The document's error about one device: the user's message and the key of
// the device concerned. Only the document throws it.
class DeviceException : public VornaException
{
public:
    DeviceException(const std::string& aMessage, const DeviceKey& aKey);

    const DeviceKey& key() const { return myKey; }

private:
    DeviceKey myKey;
};
