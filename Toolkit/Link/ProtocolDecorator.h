#pragma once

#include "Toolkit/Parameter/AbstractProtocol.h"

// A protocol layer that passes every call to the protocol it wraps; the
// decorators derive from it and add one concern each. Does not own the
// wrapped protocol.
class ProtocolDecorator : public AbstractProtocol
{
public:
    explicit ProtocolDecorator(AbstractProtocol* aProtocol);

    DeviceStatus getStatus() override;
    void setIdleCallback(IdleCallback* aCallback) override;
    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
    ParameterValue getValue(const ParameterId& anId) override;
    void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult) override;
    ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                  std::uint32_t aSettleTime) override;

protected:
    AbstractProtocol* myProtocol;
};
