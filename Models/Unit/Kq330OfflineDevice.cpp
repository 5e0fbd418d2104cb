#include "Models/Unit/Kq330OfflineDevice.h"

#include "Models/Unit/Kq330ParameterTable.h"

Kq330OfflineDevice::Kq330OfflineDevice()
    : Kq330OfflineDevice(ParameterValueMap())
{
}

Kq330OfflineDevice::Kq330OfflineDevice(const ParameterValueMap& aValues)
    : UnitOfflineDevice(false, Kq330ParameterTable::codingDelayMaximum, Kq330ParameterTable::deviceTypeText, aValues,
                        [](AbstractProtocol* anOwner) { return std::make_unique<Kq330ParameterTable>(anOwner); })
{
}

std::unique_ptr<TableDevice> Kq330OfflineDevice::makeTwin(const ParameterValueMap& aValues) const
{
    return std::make_unique<Kq330OfflineDevice>(aValues);
}
