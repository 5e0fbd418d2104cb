#pragma once

#include "Toolkit/Parameter/ParameterObserver.h"

class ControlParameter;
class ParameterId;

// Base of the KQ330/KQ350 rules and checks: each watches one parameter and
// acts on others, which it looks up by id every time it runs, so it never
// holds on to a parameter that the table may have replaced. Every change of
// availability or limits names the watched parameter as its source.
class UnitRule : public ParameterObserver
{
public:
    UnitRule(Parameter* aSubject, StatusCollection* aStatusCollection, ControlCollection* aControlCollection);

    // The parameter to watch, for the constructors' initialiser lists.
    [[nodiscard]] static ControlParameter* findControl(ControlCollection* aControlCollection, const ParameterId& anId);
    [[nodiscard]] static Parameter* findStatus(StatusCollection* aStatusCollection, const ParameterId& anId);

protected:
    ControlParameter& control(int aGroup, int anIndex) const;
    ControlParameter& control(const ParameterId& anId) const;
    Parameter& status(int aGroup, int anIndex) const;
    // The watched parameter, as the source of every change the rule makes.
    Parameter* source() const;
    // The watched value as last notified, as a signed 16-bit number.
    int watchedValue() const;

    // A parameter's present value as a signed 16-bit number.
    static int valueOf(const Parameter& aParameter);
};
