#include "Models/Unit/Kq350OfflineDevice.h"

#include "Models/Unit/Kq350ParameterTable.h"

Kq350OfflineDevice::Kq350OfflineDevice()
    : Kq350OfflineDevice(ParameterValueMap())
{
}

Kq350OfflineDevice::Kq350OfflineDevice(const ParameterValueMap& aValues)
    : UnitOfflineDevice(true, Kq350ParameterTable::codingDelayMaximum, Kq350ParameterTable::deviceTypeText, aValues,
                        [](AbstractProtocol* anOwner) { return std::make_unique<Kq350ParameterTable>(anOwner); })
{
}

std::unique_ptr<TableDevice> Kq350OfflineDevice::makeTwin(const ParameterValueMap& aValues) const
{
    return std::make_unique<Kq350OfflineDevice>(aValues);
}
