#pragma once

#include "Toolkit/Parameter/ParameterObserver.h"

class ControlParameter;
class ParameterId;

// Base of the observers that a parameter table creates (the interlock rules and
// the observers of the local parameters): each watches one parameter and acts
// on others, which it looks up by id each time it runs. Every change of
// availability or limits names the observer's subject as its source.
class TableObserver : public ParameterObserver
{
public:
    TableObserver(Parameter* aSubject, StatusCollection* aStatusCollection, ControlCollection* aControlCollection);

protected:
    ControlParameter& control(int aGroup, int anIndex) const;
    ControlParameter& control(const ParameterId& anId) const;
    Parameter& status(int aGroup, int anIndex) const;
    // The subject, as the source of every change the observer makes.
    Parameter* source() const;
    // The subject's value as last seen, as a signed 16-bit number.
    int subjectValue() const;
    // Whether the subject, as last seen, is available and not 0.
    bool subjectAvailableAndSet() const;

    static ControlParameter& findControl(ControlCollection* aControlCollection, int aGroup, int anIndex);
    static Parameter& findStatus(StatusCollection* aStatusCollection, int aGroup, int anIndex);
};
