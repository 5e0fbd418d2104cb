#include "Pellora/Language/DialogNode.h"

#include "Pellora/Language/ScriptMachine.h"

DialogNode::DialogNode(const std::string& aText)
    : myText(aText)
{
}

bool DialogNode::execute(ScriptMachine& aMachine)
{
    aMachine.showMessage(myText);
    return true;
}
