#include "Pellora/Language/PrintNode.h"

#include "Pellora/Language/ScriptMachine.h"

PrintNode::PrintNode(const std::string& aText)
    : myText(aText)
{
}

bool PrintNode::execute(ScriptMachine& aMachine)
{
    aMachine.print(myText);
    return true;
}
