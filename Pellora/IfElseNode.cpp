#include "Pellora/IfElseNode.h"

#include "Platform/Assertion.h"

IfElseNode::IfElseNode(Node* aCondition, Node* aClause, Node* anElseClause)
    : myCondition(aCondition)
    , myClause(aClause)
    , myElseClause(anElseClause)
{
    VORNA_ASSERT(aCondition != NULL && aClause != NULL);
    VORNA_ASSERT(anElseClause != NULL);
}

bool IfElseNode::execute(Interpreter& anInterpreter)
{
    if (myCondition->execute(anInterpreter))
    {
        return myClause->execute(anInterpreter);
    }
    return myElseClause->execute(anInterpreter);
}
