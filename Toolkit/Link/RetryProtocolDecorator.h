#pragma once

#include "Toolkit/Link/ProtocolDecorator.h"

// Repeats a read or write that failed with ProtocolException, at once, up to
// the retry limit in attempts; after the last one the caller gets the last
// exception. Other errors pass at once. Status polls are not repeated.
class RetryProtocolDecorator : public ProtocolDecorator
{
public:
    // A limit of 0 or 1 makes one attempt.
    RetryProtocolDecorator(AbstractProtocol* aProtocol, std::uint32_t aRetries);

    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
    ParameterValue getValue(const ParameterId& anId) override;
    // Every attempt starts from the map as the caller passed it.
    void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult) override;
    ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                  std::uint32_t aSettleTime) override;

private:
    template <typename Operation>
    auto attempt(Operation anOperation) -> decltype(anOperation());

    std::uint32_t myRetries;
};
