#pragma once

#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/ParameterValue.h"

class ControlCollection;
class Parameter;
class StatusCollection;

// Base of every observer of a single parameter (control bindings, rules).
// Caches the parameter's value and availability and turns each notification
// into two hooks: onNewValue when the value bytes changed, then onSubjectUpdated
// on every notification.
class ParameterObserver : public Observer
{
public:
    // Attaches itself to aSubject; that first update runs before a derived
    // observer exists, so a derived observer that must show the initial state
    // calls its own onSubjectUpdated at the end of its constructor.
    ParameterObserver(Parameter* aSubject, StatusCollection* aStatusCollection = nullptr,
                      ControlCollection* aControlCollection = nullptr);
    void update(Subject* aSubject) override;
    ~ParameterObserver() override;

    virtual void onSubjectUpdated();
    virtual void onNewValue();

    // The parameter watched; null once it is gone.
    Parameter* parameter() const;
    StatusCollection* statusCollection() const { return myStatusCollection; }
    ControlCollection* controlCollection() const { return myControlCollection; }
    const ParameterValue& cachedValue() const { return myValue; }
    bool cachedAvailable() const { return myAvailable; }

protected:
    ControlCollection* myControlCollection;
    StatusCollection* myStatusCollection;
    ParameterValue myValue;
    bool myAvailable = true;

private:
    // One running update; updates nest when a hook changes the parameter again.
    struct Update
    {
        bool observerGone;
        Update* outer;
    };
    class UpdateScope;

    // Marked by the destructor, so that an observer destroyed by its own hook
    // is not called again.
    Update* myInnermostUpdate = nullptr;
};
