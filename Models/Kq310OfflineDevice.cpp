#include "Models/Kq310OfflineDevice.h"

#include "Models/Kq310ParameterTable.h"
#include "Models/OfflineKq310Values.h"
#include "Toolkit/Parameter/Protocol.h"

namespace
{
std::unique_ptr<OfflineKq310Values> unitValues(const ParameterValueMap& aValues)
{
    auto values = std::make_unique<OfflineKq310Values>(1);
    values->take(aValues);
    return values;
}
}

Kq310OfflineDevice::Kq310OfflineDevice()
    : Kq310OfflineDevice(ParameterValueMap())
{
}

Kq310OfflineDevice::Kq310OfflineDevice(const ParameterValueMap& aValues)
    : myValues(unitValues(aValues)),
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

std::unique_ptr<TableDevice> Kq310OfflineDevice::makeTwin(const ParameterValueMap& aValues) const
{
    return std::make_unique<Kq310OfflineDevice>(aValues);
}
