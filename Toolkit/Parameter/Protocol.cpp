#include "Toolkit/Parameter/Protocol.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/ProtocolImplementation.h"

Protocol::Protocol(ProtocolImplementation* anImplementation)
    : myImplementation(anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
}

DeviceStatus Protocol::getStatus()
{
    VORNA_ASSERT(myImplementation != NULL);
    return myImplementation->getStatus();
}

void Protocol::setIdleCallback(IdleCallback* aCallback)
{
    myImplementation->setIdleCallback(aCallback);
}

void Protocol::setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime)
{
    VORNA_ASSERT(myImplementation != NULL);
    myImplementation->setValue(anId, aValue, aSettleTime);
}

ParameterValue Protocol::getValue(const ParameterId& anId)
{
    VORNA_ASSERT(myImplementation != NULL);
    return myImplementation->getValue(anId);
}

void Protocol::getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult)
{
    VORNA_ASSERT(myImplementation != NULL);
    myImplementation->getValues(aRequested, aResult);
    checkReturnedValues(aRequested, aResult);
}

ParameterValue Protocol::setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                        std::uint32_t aSettleTime)
{
    VORNA_ASSERT(myImplementation != NULL);
    return myImplementation->setAndGetValue(anId, aValue, aSettleTime);
}

void Protocol::checkReturnedValues(const std::vector<ParameterId>& aRequested, const ParameterValueMap& aResult)
{
    if (aRequested.size() > aResult.size())
    {
        throw ProtocolException("The device did not return all of the requested parameters");
    }
    if (aRequested.size() < aResult.size())
    {
        throw ProtocolException("The device returned some unasked for parameters");
    }
    for (const ParameterId& id : aRequested)
    {
        if (aResult.find(id) == aResult.end())
        {
            throw ProtocolException("The device returned some parameters that were not asked for.");
        }
    }
}
