#include "Models/Unit/DeviceTypeCheck.h"

#include "Models/Unit/SameTextIgnoringCase.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/VornaException.h"

namespace
{
const int identificationGroup = 0xF8;
const int deviceTypeIndex = 0;
}

DeviceTypeCheck::DeviceTypeCheck(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                                 const std::string& anExpectedType)
    : UnitRule(findStatus(aStatusCollection, ParameterId(identificationGroup, deviceTypeIndex)), aStatusCollection,
               aControlCollection),
      myExpectedType(anExpectedType)
{
    onNewValue();
}

void DeviceTypeCheck::onNewValue()
{
    const std::string deviceType = status(identificationGroup, deviceTypeIndex).value().toString();
    if (!sameTextIgnoringCase(deviceType, myExpectedType))
    {
        throw VornaException("This device appears to be a " + deviceType + ", not a " + myExpectedType);
    }
}
