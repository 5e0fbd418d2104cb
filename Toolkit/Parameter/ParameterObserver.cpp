#include "Toolkit/Parameter/ParameterObserver.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/Parameter.h"

// Registers a running update for as long as it runs, also when a hook throws
// (rules do); after the observer is gone it touches nothing.
class ParameterObserver::UpdateScope
{
public:
    explicit UpdateScope(ParameterObserver* anObserver)
        : myObserver(anObserver), myUpdate{false, anObserver->myInnermostUpdate}
    {
        myObserver->myInnermostUpdate = &myUpdate;
    }
    ~UpdateScope()
    {
        if (!myUpdate.observerGone)
        {
            myObserver->myInnermostUpdate = myUpdate.outer;
        }
    }
    bool observerGone() const { return myUpdate.observerGone; }

private:
    ParameterObserver* myObserver;
    Update myUpdate;
};

ParameterObserver::ParameterObserver(Parameter* aSubject, StatusCollection* aStatusCollection,
                                     ControlCollection* aControlCollection)
    : myControlCollection(aControlCollection), myStatusCollection(aStatusCollection)
{
    VORNA_ASSERT(aSubject != NULL);
    myValue = aSubject->value();
    myAvailable = aSubject->available();
    aSubject->attach(this);
}

void ParameterObserver::update(Subject* aSubject)
{
    if (aSubject == nullptr || aSubject != mySubject)
    {
        return;
    }
    const Parameter* subject = static_cast<const Parameter*>(aSubject);
    myAvailable = subject->available();
    UpdateScope scope(this);
    if (subject->value() != myValue)
    {
        myValue = subject->value();
        onNewValue();
        // The hook may have destroyed this observer, or its parameter.
        if (scope.observerGone() || mySubject == nullptr)
        {
            return;
        }
    }
    onSubjectUpdated();
}

ParameterObserver::~ParameterObserver()
{
    for (Update* update = myInnermostUpdate; update != nullptr; update = update->outer)
    {
        update->observerGone = true;
    }
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
