#include "Models/Unit/CurrentPresetRule.h"

#include "Models/Unit/UnitParameterTable.h"
#include "Platform/Assertion.h"
#include "Toolkit/Parameter/ControlParameter.h"

CurrentPresetRule::CurrentPresetRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                                     UnitParameterTable* aTable)
    : UnitRule(findStatus(aStatusCollection, ParameterId('b', 8)), aStatusCollection, aControlCollection),
      myTable(aTable)
{
    VORNA_ASSERT(aTable != NULL);
}

void CurrentPresetRule::onSubjectUpdated()
{
    if (watchedValue() != 0 && myValue != control('a', 9).value())
    {
        myTable->refreshControls();
    }
}
