#include "Pellora/DialogNode.h"

#include "Pellora/Interpreter.h"

DialogNode::DialogNode(const std::string& aText)
    : myText(aText)
{
}

bool DialogNode::execute(Interpreter& anInterpreter)
{
    anInterpreter.showMessage(myText);
    return true;
}
