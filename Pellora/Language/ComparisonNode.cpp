#include "Pellora/Language/ComparisonNode.h"

#include "Platform/Assertion.h"

#include <utility>

ComparisonNode::ComparisonNode(std::unique_ptr<Operand> aLeftOperand, std::unique_ptr<ComparisonOperator> anOperator,
                               std::unique_ptr<Operand> aRightOperand)
{
    VORNA_ASSERT(aLeftOperand != NULL && anOperator != NULL && aRightOperand != NULL);
    myLeftOperand = std::move(aLeftOperand);
    myOperator = std::move(anOperator);
    myRightOperand = std::move(aRightOperand);
}

bool ComparisonNode::execute(ScriptMachine& aMachine)
{
    myLeftOperand->execute(aMachine);
    myRightOperand->execute(aMachine);
    return myOperator->apply(myLeftOperand->text(), myRightOperand->text());
}
