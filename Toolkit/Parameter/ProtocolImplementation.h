#pragma once

#include "Toolkit/Parameter/DeviceStatus.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"

#include <cstdint>
#include <vector>

class IdleCallback;

// What really holds or fetches the values under a Protocol: the serial line,
// or the in-memory value store.
class ProtocolImplementation
{
public:
    virtual ~ProtocolImplementation() = default;

    virtual DeviceStatus getStatus() = 0;
    virtual void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) = 0;
    virtual ParameterValue getValue(const ParameterId& anId) = 0;
    // By default one getValue per requested id, in order; a failure propagates at
    // once and the entries stored before it stay.
    virtual void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult);

    // Not owned; null removes it.
    void setIdleCallback(IdleCallback* aCallback);
    IdleCallback* idleCallback() const { return myIdleCallback; }
    // Lets the callback run while the implementation waits.
    void idle();
    // Writes under the group before anId's own, then reads back under anId.
    ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime);

private:
    IdleCallback* myIdleCallback = nullptr;
};
