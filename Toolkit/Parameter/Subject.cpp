#include "Toolkit/Parameter/Subject.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/Observer.h"


// Registers a walk for as long as it runs, also when an observer throws;
// after the subject is gone it touches nothing.
class Subject::WalkScope
{
public:
    explicit WalkScope(Subject* aSubject) : mySubject(aSubject), myWalk{false, aSubject->myInnermostWalk}
    {
        mySubject->myInnermostWalk = &myWalk;
    }
    ~WalkScope()
    {
        if (!myWalk.subjectGone)
        {
            mySubject->myInnermostWalk = myWalk.outer;
        }
    }
    bool subjectGone() const { return myWalk.subjectGone; }

private:
    Subject* mySubject;
    Walk myWalk;
};

Subject::Subject()
    : myInnermostWalk(NULL)
{
}

Subject::Subject(const Subject&)
    : myInnermostWalk(NULL)
{
}

Subject& Subject::operator=(const Subject&)
{
    return *this;
}

Subject::~Subject()
{
    for (Walk* walk = myInnermostWalk; walk != NULL; walk = walk->outer)
    {
        walk->subjectGone = true;
    }
    myInnermostWalk = NULL;
    WalkScope scope(this);
    for (Observer* observer : myObservers)
    {
        if (observer != NULL)
        {
            observer->subjectDeleted(this);
        }
    }
}

void Subject::attach(Observer* anObserver)
{
    VORNA_ASSERT(anObserver != NULL);
    anObserver->setSubject(this);
    myObservers.push_back(anObserver);
    anObserver->update(this);
}

void Subject::detach(Observer* anObserver)
{
    for (Observer*& entry : myObservers)
    {
        if (entry == anObserver)
        {
            entry = NULL;
        }
    }
    if (anObserver != NULL && anObserver->subject() == this)
    {
        // Otherwise it would detach from a subject that may be long gone.
        anObserver->mySubject = NULL;
    }
    purgeDetached();
}

void Subject::notify()
{
    {
        WalkScope scope(this);
        // Entries are only cleared, never removed, during a walk, and new ones
        // go to the end: the first n entries stay where they are.
        const std::size_t count = myObservers.size();
        std::list<Observer*>::iterator entry = myObservers.begin();
        for (std::size_t i = 0; i < count; ++i, ++entry)
        {
            Observer* observer = *entry;
            if (observer != NULL)
            {
                observer->update(this);
                if (scope.subjectGone())
                {
                    return;
                }
            }
        }
    }
    purgeDetached();
}

std::size_t Subject::observerCount() const
{
    std::size_t count = 0;
    for (Observer* entry : myObservers)
    {
        if (entry != NULL)
        {
            ++count;
        }
    }
    return count;
}

void Subject::purgeDetached()
{
    if (myInnermostWalk == NULL)
    {
        myObservers.remove(NULL);
    }
}
