#pragma once

#include "Pellora/Language/Node.h"

#include <memory>

// if (condition) clause else clause
class IfElseNode : public Node
{
public:
    IfElseNode(std::unique_ptr<Node> aCondition, std::unique_ptr<Node> aClause, std::unique_ptr<Node> anElseClause);

    // The result of the clause chosen.
    bool execute(ScriptMachine& aMachine) override;

private:
    std::unique_ptr<Node> myCondition;
    std::unique_ptr<Node> myClause;
    std::unique_ptr<Node> myElseClause;
};
