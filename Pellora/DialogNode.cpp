#include "Pellora/DialogNode.h"

#include "Pellora/ScriptMachine.h"

DialogNode::DialogNode(const std::string& aText)
    : myText(aText)
{
}

bool DialogNode::execute(ScriptMachine& aMachine)
{
    aMachine.showMessage(myText);
    return true;
}
