#pragma once

#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/ParameterValue.h"

class Parameter;
class UnitParameterTable;

// Tells its table when the value of its parameter changes, so that the table
// can give up the recalled preset: once any setting differs, the unit no
// longer holds that preset. A notification that leaves the value as it was (a
// new limit or availability) says nothing.
class PresetChangeObserver : public Observer
{
public:
    // Attaches itself to aSubject.
    PresetChangeObserver(Parameter* aSubject, UnitParameterTable* aTable);

    void update(Subject* aSubject) override;

private:
    UnitParameterTable* myTable;
    ParameterValue myLastValue;
};
