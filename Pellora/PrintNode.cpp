#include "Pellora/PrintNode.h"

#include "Pellora/ScriptMachine.h"

PrintNode::PrintNode(const std::string& aText)
    : myText(aText)
{
}

bool PrintNode::execute(ScriptMachine& aMachine)
{
    aMachine.print(myText);
    return true;
}
