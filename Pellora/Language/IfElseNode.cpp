#include "Pellora/Language/IfElseNode.h"

#include "Platform/Assertion.h"

#include <utility>

IfElseNode::IfElseNode(std::unique_ptr<Node> aCondition, std::unique_ptr<Node> aClause,
                       std::unique_ptr<Node> anElseClause)
{
    VORNA_ASSERT(aCondition != NULL && aClause != NULL);
    VORNA_ASSERT(anElseClause != NULL);
    myCondition = std::move(aCondition);
    myClause = std::move(aClause);
    myElseClause = std::move(anElseClause);
}

bool IfElseNode::execute(ScriptMachine& aMachine)
{
    if (myCondition->execute(aMachine))
    {
        return myClause->execute(aMachine);
    }
    return myElseClause->execute(aMachine);
}
