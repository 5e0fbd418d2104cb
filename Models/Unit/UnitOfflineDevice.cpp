#include "Models/Unit/UnitOfflineDevice.h"

#include "Models/Unit/OfflineUnitValues.h"
#include "Models/Unit/UnitParameterTable.h"
#include "Toolkit/Parameter/Protocol.h"

UnitOfflineDevice::UnitOfflineDevice(bool aMultiChannel, std::int16_t aSize, const std::string& aDeviceType,
                                     const TableFactory& aTableFactory)
    : myValues(std::make_unique<OfflineUnitValues>(aMultiChannel, aSize, aDeviceType)),
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
