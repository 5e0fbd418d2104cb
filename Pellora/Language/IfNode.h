#pragma once

#include "Pellora/Language/Node.h"

#include <memory>

// if (condition) clause
class IfNode : public Node
{
public:
    IfNode(std::unique_ptr<Node> aCondition, std::unique_ptr<Node> aClause);

    // The clause's result when the condition holds; false, without running the
    // clause, when it does not.
    bool execute(ScriptMachine& aMachine) override;

private:
    std::unique_ptr<Node> myCondition;
    std::unique_ptr<Node> myClause;
};
