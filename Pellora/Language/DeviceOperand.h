#pragma once

#include "Pellora/Language/Operand.h"

// device: the unit's device-type text.
class DeviceOperand : public Operand
{
public:
    bool execute(ScriptMachine& aMachine) override;
};
