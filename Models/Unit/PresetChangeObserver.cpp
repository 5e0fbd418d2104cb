#include "Models/Unit/PresetChangeObserver.h"

#include "Models/Unit/UnitParameterTable.h"
#include "Platform/Assertion.h"
#include "Toolkit/Parameter/Parameter.h"

PresetChangeObserver::PresetChangeObserver(Parameter* aSubject, UnitParameterTable* aTable)
    : myTable(aTable)
{
    VORNA_ASSERT(aSubject != NULL);
    VORNA_ASSERT(aTable != NULL);
    myLastValue = aSubject->value();
    aSubject->attach(this);
}

void PresetChangeObserver::update(Subject* aSubject)
{
    if (aSubject == nullptr || aSubject != mySubject)
    {
        return;
    }
    const ParameterValue& value = static_cast<Parameter*>(aSubject)->value();
    if (value == myLastValue)
    {
        return;
    }
    // Taken also when the table ignores the change, so that a value read in a
    // refresh does not count as an edit later.
    myLastValue = value;
    myTable->onControlEdited();
}
