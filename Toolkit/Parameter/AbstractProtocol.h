#pragma once

#include "Toolkit/Parameter/DeviceStatus.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"

#include <cstdint>
#include <vector>

class IdleCallback;

// The interface through which every parameter value is read and written:
// the Protocol bridge over an implementation, and the decorators around it.
class AbstractProtocol
{
public:
    virtual ~AbstractProtocol() = default;
    virtual DeviceStatus getStatus() = 0;
    // Null removes the callback.
    virtual void setIdleCallback(IdleCallback* aCallback) = 0;
    // Writes under anId itself; the implementation waits aSettleTime
    // milliseconds after the write.
    virtual void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) = 0;
    virtual ParameterValue getValue(const ParameterId& anId) = 0;
    // One entry per requested id into aResult (callers pass an empty map).
    virtual void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult) = 0;
    // Writes the value of parameter anId and returns what the unit then holds under anId.
    virtual ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                          std::uint32_t aSettleTime) = 0;
};
