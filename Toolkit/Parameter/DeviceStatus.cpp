#include "Toolkit/Parameter/DeviceStatus.h"

DeviceStatus::DeviceStatus(const std::string& aName, bool anOk)
    : myOk(anOk), myName(aName)
{
}
