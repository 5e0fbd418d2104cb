#include "UnitStore.h"

#include "Toolkit/Parameter/ProtocolException.h"

void UnitStore::setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime)
{
    writes.emplace_back(anId, aValue);
    if (failWrites)
    {
        throw ProtocolException("The device is not responding.");
    }
    ParameterValueStore::setValue(anId, keeps ? *keeps : aValue, aSettleTime);
}
