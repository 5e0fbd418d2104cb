#pragma once

#include "Toolkit/Parameter/Parameter.h"

#include <cstdint>

// A parameter that can be changed: a change is written through the owner and
// read back in one operation, and the parameter keeps what the unit answered.
class ControlParameter : public Parameter
{
public:
    ControlParameter() = default;
    ControlParameter(AbstractProtocol* anOwner, const ParameterId& anId, const ParameterValue& aMinimum,
                     const ParameterValue& aMaximum, ParameterDefinition* aDefinition = nullptr);

    // Stores the value of its id without notifying or feeding a tracker: a
    // full read notifies once every value is in.
    void update(const ParameterValueMap& aValues) override;
    // A user's or a rule's request: dropped when equal to the current value or
    // outside the limits, else written.
    virtual void setValue(const ParameterValue& aValue);
    // Writes unless equal to the current value; notifies when the read-back differs.
    virtual void write(const ParameterValue& aValue);
    // Writes within the limits even when unchanged, and always notifies.
    virtual void forceWrite(const ParameterValue& aValue);

    std::uint32_t settleTime() const { return mySettleTime; }
    void setSettleTime(std::uint32_t aSettleTime) { mySettleTime = aSettleTime; }
    bool restorable() const { return myRestorable; }
    void setRestorable(bool aRestorable) { myRestorable = aRestorable; }

protected:
    std::uint32_t mySettleTime = 0;
    bool myRestorable = true;
};
