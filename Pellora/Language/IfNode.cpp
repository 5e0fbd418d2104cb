#include "Pellora/Language/IfNode.h"

#include "Platform/Assertion.h"

#include <utility>

IfNode::IfNode(std::unique_ptr<Node> aCondition, std::unique_ptr<Node> aClause)
{
    VORNA_ASSERT(aCondition != NULL && aClause != NULL);
    myCondition = std::move(aCondition);
    myClause = std::move(aClause);
}

bool IfNode::execute(ScriptMachine& aMachine)
{
    if (myCondition->execute(aMachine))
    {
        return myClause->execute(aMachine);
    }
    return false;
}
