#include "Toolkit/Parameter/RestoreIdAndValue.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/ControlCollection.h"

RestoreIdAndValue::RestoreIdAndValue(ControlCollection* aCollection, ParameterValueMap* aRetries)
    : myCollection(aCollection), myRetries(aRetries)
{
    VORNA_ASSERT(aCollection != NULL);
    VORNA_ASSERT(aRetries != NULL);
    myRetries->clear();
}

void RestoreIdAndValue::operator()(const std::pair<const ParameterId, ParameterValue>& aRecord)
{
    ControlParameter& parameter = myCollection->find(aRecord.first);
    if (!parameter.restorable())
    {
        return;
    }
    parameter.setValue(aRecord.second);
    if (parameter.value() != aRecord.second)
    {
        (*myRetries)[aRecord.first] = aRecord.second;
    }
}
