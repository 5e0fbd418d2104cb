#pragma once

#include "Toolkit/Link/ProtocolDecorator.h"

// Shows the application's wait cursor while a write is on the line, across
// all its retries; reads and status polls leave the cursor alone.
class WaitCursorProtocolDecorator : public ProtocolDecorator
{
public:
    explicit WaitCursorProtocolDecorator(AbstractProtocol* aProtocol);

    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
    ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                  std::uint32_t aSettleTime) override;
};
