#include "Models/Unit/UnitOfflineDevice.h"

#include "Models/Unit/OfflineUnitValues.h"
#include "Models/Unit/UnitParameterTable.h"
#include "Toolkit/Parameter/Protocol.h"

namespace
{
std::unique_ptr<OfflineUnitValues> unitValues(bool aMultiChannel, std::int16_t aSize, const std::string& aDeviceType,
                                              const ParameterValueMap& aValues)
{
    auto values = std::make_unique<OfflineUnitValues>(aMultiChannel, aSize, aDeviceType);
    values->take(aValues);
    return values;
}
}

UnitOfflineDevice::UnitOfflineDevice(bool aMultiChannel, std::int16_t aSize, const std::string& aDeviceType,
                                     const ParameterValueMap& aValues, const TableFactory& aTableFactory)
    : myValues(unitValues(aMultiChannel, aSize, aDeviceType, aValues)),
      myProtocol(std::make_unique<Protocol>(myValues.get())), myTable(aTableFactory(myProtocol.get()))
{
}

UnitOfflineDevice::~UnitOfflineDevice()
{
    myTable.reset();
    myProtocol.reset();
    myValues.reset();
}

ParameterTable& UnitOfflineDevice::parameterTable()
{
    return *myTable;
}
