#include "Toolkit/Link/WaitCursorProtocolDecorator.h"

#include "Platform/WaitCursor.h"

WaitCursorProtocolDecorator::WaitCursorProtocolDecorator(AbstractProtocol* aProtocol)
    : ProtocolDecorator(aProtocol)
{
}

void WaitCursorProtocolDecorator::setValue(const ParameterId& anId, const ParameterValue& aValue,
                                           std::uint32_t aSettleTime)
{
    const Platform::WaitCursor cursor;
    ProtocolDecorator::setValue(anId, aValue, aSettleTime);
}

ParameterValue WaitCursorProtocolDecorator::setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                                           std::uint32_t aSettleTime)
{
    const Platform::WaitCursor cursor;
    return ProtocolDecorator::setAndGetValue(anId, aValue, aSettleTime);
}
