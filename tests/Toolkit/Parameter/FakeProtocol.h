#pragma once

#include "Toolkit/Parameter/AbstractProtocol.h"
#include "Toolkit/Parameter/OkStatus.h"
#include "Toolkit/Parameter/ProtocolException.h"

#include <vector>

// An owner protocol for tests: holds values like a unit, records every call
// and can be told to refuse writes or to fail.
class FakeProtocol : public AbstractProtocol
{
public:
    DeviceStatus getStatus() override { return OkStatus(); }
    void setIdleCallback(IdleCallback*) override {}
    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t) override
    {
        myValues[anId] = aValue;
    }
    ParameterValue getValue(const ParameterId& anId) override { return myValues[anId]; }
    void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult) override
    {
        myRequests.push_back(aRequested);
        if (myFailReads)
        {
            throw ProtocolException("The device is not responding.");
        }
        for (const ParameterId& id : aRequested)
        {
            aResult[id] = myValues[id];
        }
    }
    ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                  std::uint32_t aSettleTime) override
    {
        myWrites.push_back(anId);
        mySettleTimes.push_back(aSettleTime);
        if (myFailWrites)
        {
            throw ProtocolException("The device is not responding.");
        }
        if (!myRefuseWrites)
        {
            myValues[anId] = aValue;
        }
        return myValues[anId];
    }

    ParameterValueMap myValues;
    std::vector<std::vector<ParameterId>> myRequests;
    std::vector<ParameterId> myWrites;
    std::vector<std::uint32_t> mySettleTimes;
    bool myRefuseWrites = false;
    bool myFailWrites = false;
    bool myFailReads = false;
};
