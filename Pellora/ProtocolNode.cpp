#include "Pellora/ProtocolNode.h"

#include "Pellora/Interpreter.h"

ProtocolNode::ProtocolNode(bool aFlag)
    : myFlag(aFlag)
{
}

bool ProtocolNode::execute(Interpreter& anInterpreter)
{
    anInterpreter.setProtocol(myFlag);
    return true;
}
