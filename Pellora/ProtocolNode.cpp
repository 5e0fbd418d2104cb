#include "Pellora/ProtocolNode.h"

#include "Pellora/ScriptMachine.h"

ProtocolNode::ProtocolNode(bool aFlag)
    : myFlag(aFlag)
{
}

bool ProtocolNode::execute(ScriptMachine& aMachine)
{
    aMachine.setProtocol(myFlag);
    return true;
}
