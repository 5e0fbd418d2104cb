#pragma once

#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/ParameterValue.h"

class ControlBinder;
class ControlParameter;
class Parameter;

// The common ground of the observers that bind one control to one parameter:
// the parameter watched, read back from the subject, and the requests that
// go to it. A request reaches only a control parameter; bound to a status
// parameter, an observer shows the value and asks for nothing.
class ControlObserver : public Observer
{
public:
    // Routes the notifications of the control that this kind of observer
    // takes to it through aBinder, whose guard runs each handler. Every kind
    // says which it takes, and one that only shows says none, so that a new
    // kind cannot be bound and left deaf to its control by mistake.
    virtual void routeNotifications(const ControlBinder& aBinder) = 0;

protected:
    ControlObserver();

    // The parameter behind aSubject when it is the one watched, else nullptr.
    Parameter* ownParameter(Subject* aSubject) const;
    // The parameter watched, or nullptr before it is attached and after it is gone.
    Parameter* parameter() const;
    // A request: dropped by the parameter when equal or out of range.
    void requestValue(const ParameterValue& aValue) const;
    // A command: written within the range even when equal.
    void forceValue(const ParameterValue& aValue) const;

private:
    ControlParameter* controlParameter() const;
};
