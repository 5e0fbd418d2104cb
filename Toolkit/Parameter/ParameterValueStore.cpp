#include "Toolkit/Parameter/ParameterValueStore.h"

#include "Toolkit/Parameter/OkStatus.h"

DeviceStatus ParameterValueStore::getStatus()
{
    return OkStatus();
}

void ParameterValueStore::setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t)
{
    myValues[anId.next()] = aValue;
}

ParameterValue ParameterValueStore::getValue(const ParameterId& anId)
{
    const ParameterValueMap::iterator entry = myValues.find(anId);
    if (entry != myValues.end())
    {
        return entry->second;
    }
    return myValues[anId] = ParameterValue(0);
}

void ParameterValueStore::take(const ParameterValueMap& someValues)
{
    for (const ParameterValueMap::value_type& entry : someValues)
    {
        myValues[entry.first] = entry.second;
    }
}
