#include "Toolkit/Parameter/ParameterObserver.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/Parameter.h"

ParameterObserver::ParameterObserver(Parameter* aSubject, StatusCollection* aStatusCollection,
                                     ControlCollection* aControlCollection)
    : myControlCollection(aControlCollection), myStatusCollection(aStatusCollection), myAvailable(true)
{
    VORNA_ASSERT(aSubject != NULL);
    myValue = aSubject->value();
    myAvailable = aSubject->available();
    aSubject->attach(this);
}

void ParameterObserver::update(Subject* aSubject)
{
    if (aSubject == NULL || aSubject != mySubject)
    {
        return;
    }
    const Parameter* subject = static_cast<const Parameter*>(aSubject);
    myAvailable = subject->available();
    if (subject->value() != myValue)
    {
        myValue = subject->value();
        onNewValue();
    }
    onSubjectUpdated();
}

ParameterObserver::~ParameterObserver()
{
}

void ParameterObserver::onSubjectUpdated()
{
}

void ParameterObserver::onNewValue()
{
}

Parameter* ParameterObserver::parameter() const
{
    return static_cast<Parameter*>(mySubject);
}
