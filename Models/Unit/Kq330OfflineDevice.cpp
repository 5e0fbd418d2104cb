#include "Models/Unit/Kq330OfflineDevice.h"

#include "Models/Unit/Kq330ParameterTable.h"

Kq330OfflineDevice::Kq330OfflineDevice()
    : UnitOfflineDevice(false, Kq330ParameterTable::codingDelayMaximum, Kq330ParameterTable::deviceTypeText,
                        [](AbstractProtocol* anOwner) { return std::make_unique<Kq330ParameterTable>(anOwner); })
{
}
