#include "Toolkit/Parameter/Observer.h"

Observer::Observer()
    : mySubject(NULL)
{
}

void Observer::update(Subject*)
{
}

void Observer::subjectDeleted(Subject* aSubject)
{
    if (aSubject == mySubject)
    {
        mySubject = NULL;
    }
}

Observer::~Observer()
{
    if (mySubject != NULL)
    {
        mySubject->detach(this);
    }
}

void Observer::setSubject(Subject* aSubject)
{
    Subject* previous = mySubject;
    mySubject = aSubject;
    if (previous != NULL && previous != aSubject)
    {
        previous->detach(this);
    }
}
