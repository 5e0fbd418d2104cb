#include "Toolkit/Parameter/Subject.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/Observer.h"

#include <vector>

namespace
{
// Counts a walk over the list for as long as it runs, also when an observer throws.
class WalkGuard
{
public:
    explicit WalkGuard(int& aWalks) : myWalks(aWalks) { ++myWalks; }
    ~WalkGuard() { --myWalks; }

private:
    int& myWalks;
};
}

Subject::Subject()
    : myWalks(0)
{
}

Subject::Subject(const Subject&)
    : myWalks(0)
{
}

Subject& Subject::operator=(const Subject&)
{
    return *this;
}

Subject::~Subject()
{
    WalkGuard guard(myWalks);
    for (Observer*& entry : myObservers)
    {
        Observer* observer = entry;
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
        WalkGuard guard(myWalks);
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
    if (myWalks == 0)
    {
        myObservers.remove(NULL);
    }
}
