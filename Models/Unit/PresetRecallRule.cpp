#include "Models/Unit/PresetRecallRule.h"

#include "Models/Unit/UnitParameterTable.h"
#include "Platform/Assertion.h"

PresetRecallRule::PresetRecallRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                                   UnitParameterTable* aTable)
    : UnitRule(findControl(aControlCollection, ParameterId('a', 9)), aStatusCollection, aControlCollection),
      myTable(aTable)
{
    VORNA_ASSERT(aTable != NULL);
}

void PresetRecallRule::onSubjectUpdated()
{
    if (watchedValue() != 0)
    {
        myTable->refreshControls();
    }
}
