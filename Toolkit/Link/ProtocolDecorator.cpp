#include "Toolkit/Link/ProtocolDecorator.h"

#include "Platform/Assertion.h"

#include <cstddef>

ProtocolDecorator::ProtocolDecorator(AbstractProtocol* aProtocol)
    : myProtocol(aProtocol)
{
    VORNA_ASSERT(aProtocol != NULL);
}

DeviceStatus ProtocolDecorator::getStatus()
{
    VORNA_ASSERT(myProtocol != NULL);
    return myProtocol->getStatus();
}

void ProtocolDecorator::setIdleCallback(IdleCallback* aCallback)
{
    VORNA_ASSERT(myProtocol != NULL);
    myProtocol->setIdleCallback(aCallback);
}

void ProtocolDecorator::setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime)
{
    VORNA_ASSERT(myProtocol != NULL);
    myProtocol->setValue(anId, aValue, aSettleTime);
}

ParameterValue ProtocolDecorator::getValue(const ParameterId& anId)
{
    VORNA_ASSERT(myProtocol != NULL);
    return myProtocol->getValue(anId);
}

void ProtocolDecorator::getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult)
{
    VORNA_ASSERT(myProtocol != NULL);
    myProtocol->getValues(aRequested, aResult);
}

ParameterValue ProtocolDecorator::setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                                 std::uint32_t aSettleTime)
{
    VORNA_ASSERT(myProtocol != NULL);
    return myProtocol->setAndGetValue(anId, aValue, aSettleTime);
}
