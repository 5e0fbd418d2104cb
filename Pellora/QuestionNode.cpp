#include "Pellora/QuestionNode.h"

#include "Pellora/Interpreter.h"

QuestionNode::QuestionNode(const std::string& aText)
    : myText(aText)
{
}

bool QuestionNode::execute(Interpreter& anInterpreter)
{
    return anInterpreter.ask(myText);
}
