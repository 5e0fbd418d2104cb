#include "Pellora/Language/SendTextNode.h"

#include "Pellora/Language/ScriptMachine.h"

SendTextNode::SendTextNode(const std::string& aText)
    : myText(aText)
{
}

bool SendTextNode::execute(ScriptMachine& aMachine)
{
    aMachine.sendText(myText);
    return true;
}
