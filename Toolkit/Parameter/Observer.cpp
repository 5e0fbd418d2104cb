#include "Toolkit/Parameter/Observer.h"

void Observer::update(Subject*)
{
}

void Observer::subjectDeleted(Subject* aSubject)
{
    if (aSubject == mySubject)
    {
        mySubject = nullptr;
    }
}

Observer::~Observer()
{
    if (mySubject != nullptr)
    {
        mySubject->detach(this);
    }
}

void Observer::setSubject(Subject* aSubject)
{
    Subject* previous = mySubject;
    mySubject = aSubject;
    if (previous != nullptr && previous != aSubject)
    {
        previous->detach(this);
    }
}
