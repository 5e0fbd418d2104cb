#pragma once

#include "Pellora/Language/ComparisonOperator.h"
#include "Pellora/Language/Node.h"
#include "Pellora/Language/Operand.h"

#include <memory>

// A condition that compares two texts.
class ComparisonNode : public Node
{
public:
    ComparisonNode(std::unique_ptr<Operand> aLeftOperand, std::unique_ptr<ComparisonOperator> anOperator,
                   std::unique_ptr<Operand> aRightOperand);

    // Runs the left operand, then the right one, and relates their texts.
    bool execute(ScriptMachine& aMachine) override;

private:
    std::unique_ptr<Operand> myLeftOperand;
    std::unique_ptr<ComparisonOperator> myOperator;
    std::unique_ptr<Operand> myRightOperand;
};
