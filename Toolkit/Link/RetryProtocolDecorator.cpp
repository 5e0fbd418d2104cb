#include "Toolkit/Link/RetryProtocolDecorator.h"

#include "Toolkit/Parameter/ProtocolException.h"

RetryProtocolDecorator::RetryProtocolDecorator(AbstractProtocol* aProtocol, std::uint32_t aRetries)
    : ProtocolDecorator(aProtocol), myRetries(aRetries)
{
}

template <typename Operation>
auto RetryProtocolDecorator::attempt(Operation anOperation) -> decltype(anOperation())
{
    std::uint32_t failures = 0;
    for (;;)
    {
        try
        {
            return anOperation();
        }
        catch (const ProtocolException&)
        {
            // No pause: the protocol drained the line before it threw.
            ++failures;
            if (failures >= myRetries)
            {
                throw;
            }
        }
    }
}

void RetryProtocolDecorator::setValue(const ParameterId& anId, const ParameterValue& aValue,
                                      std::uint32_t aSettleTime)
{
    attempt([&] { myProtocol->setValue(anId, aValue, aSettleTime); });
}

ParameterValue RetryProtocolDecorator::getValue(const ParameterId& anId)
{
    return attempt([&] { return myProtocol->getValue(anId); });
}

void RetryProtocolDecorator::getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult)
{
    // An answer of a failed attempt may hold ids that were not asked for;
    // left in the map they would fail every later attempt's check as well.
    const ParameterValueMap given = aResult;
    attempt([&] {
        aResult = given;
        myProtocol->getValues(aRequested, aResult);
    });
}

ParameterValue RetryProtocolDecorator::setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                                      std::uint32_t aSettleTime)
{
    return attempt([&] { return myProtocol->setAndGetValue(anId, aValue, aSettleTime); });
}
