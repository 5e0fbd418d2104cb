#include "Models/Unit/UnitRule.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/ControlCollection.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/StatusCollection.h"

UnitRule::UnitRule(Parameter* aSubject, StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : ParameterObserver(aSubject, aStatusCollection, aControlCollection)
{
}

ControlParameter* UnitRule::findControl(ControlCollection* aControlCollection, const ParameterId& anId)
{
    VORNA_ASSERT(aControlCollection != NULL);
    return &aControlCollection->find(anId);
}

Parameter* UnitRule::findStatus(StatusCollection* aStatusCollection, const ParameterId& anId)
{
    VORNA_ASSERT(aStatusCollection != NULL);
    return &aStatusCollection->find(anId);
}

ControlParameter& UnitRule::control(int aGroup, int anIndex) const
{
    return control(ParameterId(aGroup, anIndex));
}

ControlParameter& UnitRule::control(const ParameterId& anId) const
{
    return *findControl(myControlCollection, anId);
}

Parameter& UnitRule::status(int aGroup, int anIndex) const
{
    return *findStatus(myStatusCollection, ParameterId(aGroup, anIndex));
}

Parameter* UnitRule::source() const
{
    return parameter();
}

int UnitRule::watchedValue() const
{
    return myValue.toShort();
}

int UnitRule::valueOf(const Parameter& aParameter)
{
    return aParameter.value().toShort();
}
