#include "Pellora/ComparisonNode.h"

#include "Platform/Assertion.h"

ComparisonNode::ComparisonNode(Operand* aLeftOperand, ComparisonOperator* anOperator, Operand* aRightOperand)
    : myLeftOperand(aLeftOperand)
    , myOperator(anOperator)
    , myRightOperand(aRightOperand)
{
    VORNA_ASSERT(aLeftOperand != NULL && anOperator != NULL && aRightOperand != NULL);
}

bool ComparisonNode::execute(Interpreter& anInterpreter)
{
    myLeftOperand->execute(anInterpreter);
    myRightOperand->execute(anInterpreter);
    return myOperator->apply(myLeftOperand->text(), myRightOperand->text());
}
