#pragma once

#include "Pellora/Language/Operand.h"

#include <string>

// A literal: a STRING, or a REAL kept as it was written.
class StringOperand : public Operand
{
public:
    explicit StringOperand(const std::string& aText);

    bool execute(ScriptMachine& aMachine) override;
};
