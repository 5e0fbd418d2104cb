#include "Pellora/Language/ParseNode.h"

#include "Platform/Assertion.h"

#include <utility>

ParseNode::ParseNode(std::unique_ptr<Node> aLeftChild, std::unique_ptr<Node> aRightChild)
{
    VORNA_ASSERT(aLeftChild != NULL && aRightChild != NULL);
    myLeftChild = std::move(aLeftChild);
    myRightChild = std::move(aRightChild);
}

bool ParseNode::execute(ScriptMachine& aMachine)
{
    myLeftChild->execute(aMachine);
    return myRightChild->execute(aMachine);
}
