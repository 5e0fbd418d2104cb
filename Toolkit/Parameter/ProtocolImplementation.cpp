#include "Toolkit/Parameter/ProtocolImplementation.h"

#include "Toolkit/Parameter/IdleCallback.h"

void ProtocolImplementation::getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult)
{
    for (const ParameterId& id : aRequested)
    {
        aResult[id] = getValue(id);
    }
}

void ProtocolImplementation::setIdleCallback(IdleCallback* aCallback)
{
    myIdleCallback = aCallback;
}

void ProtocolImplementation::idle()
{
    if (myIdleCallback != nullptr)
    {
        myIdleCallback->onIdle();
    }
}

ParameterValue ProtocolImplementation::setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                                      std::uint32_t aSettleTime)
{
    setValue(anId.previous(), aValue, aSettleTime);
    return getValue(anId);
}
