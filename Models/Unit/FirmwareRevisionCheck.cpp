#include "Models/Unit/FirmwareRevisionCheck.h"

#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <algorithm>

namespace
{
const int identificationGroup = 0xF8;
const int firmwareIndex = 1;
}

FirmwareRevisionCheck::FirmwareRevisionCheck(StatusCollection* aStatusCollection,
                                             ControlCollection* aControlCollection,
                                             const std::string& aMinimumRevision)
    : UnitRule(findStatus(aStatusCollection, ParameterId(identificationGroup, firmwareIndex)), aStatusCollection,
               aControlCollection),
      myMinimumRevision(aMinimumRevision)
{
    onNewValue();
}

void FirmwareRevisionCheck::onNewValue()
{
    const std::string revision = status(identificationGroup, firmwareIndex).value().toString();
    if (isOlder(revision, myMinimumRevision))
    {
        throw VornaException("This unit is at firmware revision " + revision + " which does not " +
                             "fully support remote control.  Please upgrade to " + "at least firmware version " +
                             myMinimumRevision);
    }
}

bool FirmwareRevisionCheck::isOlder(const std::string& aRevision, const std::string& aMinimumRevision)
{
    return std::lexicographical_compare(aRevision.begin(), aRevision.end(), aMinimumRevision.begin(),
                                        aMinimumRevision.end(), [](char aLeft, char aRight) {
                                            return static_cast<unsigned char>(aLeft) <
                                                   static_cast<unsigned char>(aRight);
                                        });
}
