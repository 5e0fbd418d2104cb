#pragma once

#include "Toolkit/Parameter/Subject.h"

// Watches one subject at a time and detaches from it when destroyed.
class Observer
{
public:
    Observer() = default;
    virtual void update(Subject* aSubject);
    // Forgets the subject when it is the one watched.
    virtual void subjectDeleted(Subject* aSubject);
    virtual ~Observer();

    Subject* subject() const { return mySubject; }
    // Watches aSubject from now on, detaching from a different one watched so far.
    // Does not attach: Subject::attach does that (and calls this).
    void setSubject(Subject* aSubject);

protected:
    Subject* mySubject = nullptr;

private:
    friend class Subject;

    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;
};

// The observer of one parameter belongs to this unit too.
#include "Toolkit/Parameter/ParameterObserver.h"
