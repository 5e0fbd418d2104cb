#include "Models/Unit/Kq350OfflineDevice.h"

#include "Models/Unit/Kq350ParameterTable.h"

Kq350OfflineDevice::Kq350OfflineDevice()
    : UnitOfflineDevice(true, Kq350ParameterTable::codingDelayMaximum, Kq350ParameterTable::deviceTypeText,
                        [](AbstractProtocol* anOwner) { return std::make_unique<Kq350ParameterTable>(anOwner); })
{
}
