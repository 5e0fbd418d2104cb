#include "Pellora/Language/ProtocolNode.h"

#include "Pellora/Language/ScriptMachine.h"

ProtocolNode::ProtocolNode(bool aFlag)
    : myFlag(aFlag)
{
}

bool ProtocolNode::execute(ScriptMachine& aMachine)
{
    aMachine.setProtocol(myFlag);
    return true;
}
