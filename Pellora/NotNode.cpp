#include "Pellora/NotNode.h"

#include "Platform/Assertion.h"

NotNode::NotNode(Node* aChild)
    : myChild(aChild)
{
    VORNA_ASSERT(aChild != NULL);
}

bool NotNode::execute(Interpreter& anInterpreter)
{
    return !myChild->execute(anInterpreter);
}
