#include "Models/TableObserver.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/ControlCollection.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/StatusCollection.h"

TableObserver::TableObserver(Parameter* aSubject, StatusCollection* aStatusCollection,
                             ControlCollection* aControlCollection)
    : ParameterObserver(aSubject, aStatusCollection, aControlCollection)
{
}

ControlParameter& TableObserver::control(int aGroup, int anIndex) const
{
    return findControl(myControlCollection, aGroup, anIndex);
}

ControlParameter& TableObserver::control(const ParameterId& anId) const
{
    return findControl(myControlCollection, anId.group(), anId.index());
}

Parameter& TableObserver::status(int aGroup, int anIndex) const
{
    return findStatus(myStatusCollection, aGroup, anIndex);
}

Parameter* TableObserver::source() const
{
    return parameter();
}

int TableObserver::subjectValue() const
{
    return myValue.toShort();
}

bool TableObserver::subjectAvailableAndSet() const
{
    return myAvailable && myValue.toShort() != 0;
}

ControlParameter& TableObserver::findControl(ControlCollection* aControlCollection, int aGroup, int anIndex)
{
    VORNA_ASSERT(aControlCollection != NULL);
    return aControlCollection->find(ParameterId(aGroup, anIndex));
}

Parameter& TableObserver::findStatus(StatusCollection* aStatusCollection, int aGroup, int anIndex)
{
    VORNA_ASSERT(aStatusCollection != NULL);
    return aStatusCollection->find(ParameterId(aGroup, anIndex));
}
