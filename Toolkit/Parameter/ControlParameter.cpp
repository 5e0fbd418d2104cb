#include "Toolkit/Parameter/ControlParameter.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/AbstractProtocol.h"

ControlParameter::ControlParameter(AbstractProtocol* anOwner, const ParameterId& anId, const ParameterValue& aMinimum,
                                   const ParameterValue& aMaximum, ParameterDefinition* aDefinition)
    : Parameter(anOwner, anId, aMinimum, aMaximum, aDefinition)
{
}

void ControlParameter::update(const ParameterValueMap& aValues)
{
    const ParameterValueMap::const_iterator entry = aValues.find(myId);
    if (entry != aValues.end() && entry->second != myValue)
    {
        myValue = entry->second;
    }
}

void ControlParameter::setValue(const ParameterValue& aValue)
{
    if (aValue == myValue || !inRange(aValue))
    {
        return;
    }
    write(aValue);
}

void ControlParameter::write(const ParameterValue& aValue)
{
    if (aValue == myValue)
    {
        return;
    }
    VORNA_ASSERT(myOwner != NULL);
    const ParameterValue readBack = myOwner->setAndGetValue(myId, aValue, mySettleTime);
    if (readBack != myValue)
    {
        myValue = readBack;
        notify();
    }
}

void ControlParameter::forceWrite(const ParameterValue& aValue)
{
    if (!inRange(aValue))
    {
        return;
    }
    VORNA_ASSERT(myOwner != NULL);
    myValue = myOwner->setAndGetValue(myId, aValue, mySettleTime);
    notify();
}
