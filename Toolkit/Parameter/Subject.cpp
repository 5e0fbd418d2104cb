#include "Toolkit/Parameter/Subject.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/Observer.h"


class Subject::WalkScope
{
public:
    explicit WalkScope(Subject* aSubject) : mySubject(aSubject), myAlive(aSubject->myAlive)
    {
        ++mySubject->myWalks;
    }
    ~WalkScope()
    {
        if (*myAlive)
        {
            --mySubject->myWalks;
        }
    }
    bool subjectGone() const { return !*myAlive; }

private:
    Subject* mySubject;
    std::shared_ptr<bool> myAlive;
};

Subject::Subject(const Subject&)
{
}

Subject& Subject::operator=(const Subject&)
{
    return *this;
}

Subject::~Subject()
{
    *myAlive = false;
    // Each entry leaves the list before its observer is told, and the list is
    // read afresh every time, so observers that detach others (or attach new
    // ones) meanwhile are seen as they are now.
    while (!myObservers.empty())
    {
        Observer* observer = myObservers.front();
        myObservers.pop_front();
        if (observer != nullptr)
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
            entry = nullptr;
        }
    }
    if (anObserver != nullptr && anObserver->subject() == this)
    {
        // Otherwise it would detach from a subject that may be long gone.
        anObserver->mySubject = nullptr;
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
            if (observer != nullptr)
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
        if (entry != nullptr)
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
        myObservers.remove(nullptr);
    }
}
