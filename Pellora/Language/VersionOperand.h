#pragma once

#include "Pellora/Language/Operand.h"

// version: the unit's firmware version text.
class VersionOperand : public Operand
{
public:
    bool execute(ScriptMachine& aMachine) override;
};
