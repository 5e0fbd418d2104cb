#pragma once

#include <cstddef>
#include <list>
#include <memory>

class Observer;

// Keeps the observers of one thing in attach order and calls them back.
// It does not own them. Observers may detach (themselves or others), or be
// destroyed, while the subject notifies: entries detached meanwhile are
// skipped. A subject destroyed by one of its observers stops its walk there.
class Subject
{
public:
    Subject() = default;
    // A copy starts without observers: each observer watches one subject.
    Subject(const Subject& anOther);
    // Keeps this subject's own observers.
    Subject& operator=(const Subject& anOther);
    // Tells every observer that the subject is gone.
    virtual ~Subject();

    // Appends the observer (making this its subject, away from any other)
    // and updates it at once.
    void attach(Observer* anObserver);
    // Removes every entry of the observer; an absent one is ignored.
    void detach(Observer* anObserver);
    // Updates every observer in attach order; observers attached meanwhile
    // have already been updated by attach and are not called again.
    void notify();

    std::size_t observerCount() const;

private:
    // Counts the walks under way for as long as they run, also when an
    // observer throws; once the subject is gone it touches nothing.
    class WalkScope;

    void purgeDetached();

    // Detached entries are cleared to null while a walk is under way and
    // removed once no walk is.
    std::list<Observer*> myObservers;
    std::size_t myWalks = 0;
    // Shared with every walk under way, which learns from it that an observer
    // destroyed the subject.
    std::shared_ptr<bool> myAlive = std::make_shared<bool>(true);
};
