#pragma once

#include "Toolkit/Parameter/ProtocolImplementation.h"

// A device without a wire: keeps the values in memory. A value set under an id
// is filed under the next group, so what a control parameter writes (under the
// group before its own) reads back under its own id. It never waits.
class ParameterValueStore : public ProtocolImplementation
{
public:
    // Always "Ok".
    DeviceStatus getStatus() override;
    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
    // An id never stored is added with the value 0 (two zero bytes).
    ParameterValue getValue(const ParameterId& anId) override;

    // Stores each value under its own id, over what was there.
    void take(const ParameterValueMap& someValues);

    // The stored values; the off-line value sources fill them directly.
    ParameterValueMap& values() { return myValues; }
    const ParameterValueMap& values() const { return myValues; }

protected:
    ParameterValueMap myValues;
};
