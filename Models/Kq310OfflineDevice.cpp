#include "Models/Kq310OfflineDevice.h"

#include "Models/Kq310ParameterTable.h"
#include "Models/OfflineKq310Values.h"
#include "Toolkit/Parameter/Protocol.h"

Kq310OfflineDevice::Kq310OfflineDevice()
    : myValues(std::make_unique<OfflineKq310Values>(1)),
      myProtocol(std::make_unique<Protocol>(myValues.get())),
      myTable(std::make_unique<Kq310ParameterTable>(myProtocol.get()))
{
}

Kq310OfflineDevice::~Kq310OfflineDevice()
{
    myTable.reset();
    myProtocol.reset();
    myValues.reset();
}

ParameterTable& Kq310OfflineDevice::parameterTable()
{
    return *myTable;
}
