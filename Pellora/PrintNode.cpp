#include "Pellora/PrintNode.h"

#include "Pellora/Interpreter.h"

PrintNode::PrintNode(const std::string& aText)
    : myText(aText)
{
}

bool PrintNode::execute(Interpreter& anInterpreter)
{
    anInterpreter.print(myText);
    return true;
}
