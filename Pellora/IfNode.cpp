#include "Pellora/IfNode.h"

#include "Platform/Assertion.h"

IfNode::IfNode(Node* aCondition, Node* aClause)
    : myCondition(aCondition)
    , myClause(aClause)
{
    VORNA_ASSERT(aCondition != NULL && aClause != NULL);
}

bool IfNode::execute(Interpreter& anInterpreter)
{
    if (myCondition->execute(anInterpreter))
    {
        return myClause->execute(anInterpreter);
    }
    return false;
}
