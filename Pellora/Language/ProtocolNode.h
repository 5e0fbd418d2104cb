#pragma once

#include "Pellora/Language/Node.h"

// protocol = true; or protocol = false; how texts and files go to the unit
// from here on.
class ProtocolNode : public Node
{
public:
    explicit ProtocolNode(bool aFlag);

    bool execute(ScriptMachine& aMachine) override;

private:
    bool myFlag;
};
