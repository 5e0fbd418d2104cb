#include "Pellora/QueryKeywordNode.h"

#include "Pellora/Interpreter.h"

QueryKeywordNode::QueryKeywordNode(signed char aKeyword)
    : myKeyword(aKeyword)
{
}

bool QueryKeywordNode::execute(Interpreter& anInterpreter)
{
    anInterpreter.setQueryKeyword(myKeyword);
    return true;
}
