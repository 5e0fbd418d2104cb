#include "Pellora/SendTextNode.h"

#include "Pellora/Interpreter.h"

SendTextNode::SendTextNode(const std::string& aText)
    : myText(aText)
{
}

bool SendTextNode::execute(Interpreter& anInterpreter)
{
    anInterpreter.sendText(myText);
    return true;
}
