#include "Pellora/SendTextNode.h"

#include "Pellora/ScriptMachine.h"

SendTextNode::SendTextNode(const std::string& aText)
    : myText(aText)
{
}

bool SendTextNode::execute(ScriptMachine& aMachine)
{
    aMachine.sendText(myText);
    return true;
}
