#pragma once

#include "Models/Unit/UnitRule.h"

class UnitParameterTable;

// A unit that reports a Current Preset ('b' 8) other than the one the program
// recalled ('a' 9) was changed at its front panel: the table re-reads every
// control parameter. A Current Preset of 0 means none and does nothing.
// Waits for the first notification.
class CurrentPresetRule : public UnitRule
{
public:
    CurrentPresetRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                      UnitParameterTable* aTable);
    void onSubjectUpdated() override;

private:
    UnitParameterTable* myTable;
};
