#pragma once

#include "Toolkit/Parameter/AbstractProtocol.h"

class ProtocolImplementation;

// The bridge that makes an implementation an AbstractProtocol and checks the
// answers of list requests. Does not own the implementation.
class Protocol : public AbstractProtocol
{
public:
    explicit Protocol(ProtocolImplementation* anImplementation);

    DeviceStatus getStatus() override;
    void setIdleCallback(IdleCallback* aCallback) override;
    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
    ParameterValue getValue(const ParameterId& anId) override;
    // Throws ProtocolException when the answer holds other ids than were requested.
    void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult) override;
    ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                  std::uint32_t aSettleTime) override;

    static void checkReturnedValues(const std::vector<ParameterId>& aRequested, const ParameterValueMap& aResult);

    ProtocolImplementation* implementation() const { return myImplementation; }

private:
    ProtocolImplementation* myImplementation;
};
