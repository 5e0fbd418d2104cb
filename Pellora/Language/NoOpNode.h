#pragma once

#include "Pellora/Language/Node.h"

// A statement that does nothing: the empty script, an empty block, baud_rates.
class NoOpNode : public Node
{
public:
    bool execute(ScriptMachine& aMachine) override;
};
