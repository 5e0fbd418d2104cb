#include "Pellora/ParseNode.h"

#include "Platform/Assertion.h"

ParseNode::ParseNode(Node* aLeftChild, Node* aRightChild)
    : myLeftChild(aLeftChild)
    , myRightChild(aRightChild)
{
    VORNA_ASSERT(aLeftChild != NULL && aRightChild != NULL);
}

bool ParseNode::execute(Interpreter& anInterpreter)
{
    myLeftChild->execute(anInterpreter);
    return myRightChild->execute(anInterpreter);
}
