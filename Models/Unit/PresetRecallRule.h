#pragma once

#include "Models/Unit/UnitRule.h"

class UnitParameterTable;

// Recalling a preset ('a' 9 set to its number) changes the unit's settings
// behind the program's back, so the table re-reads every control parameter.
// Waits for the first notification; the table's refresh guard stops the
// notifications of that refresh from starting another.
class PresetRecallRule : public UnitRule
{
public:
    PresetRecallRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                     UnitParameterTable* aTable);
    void onSubjectUpdated() override;

private:
    UnitParameterTable* myTable;
};
