#include "Pellora/Language/NotNode.h"

#include "Platform/Assertion.h"

#include <utility>

NotNode::NotNode(std::unique_ptr<Node> aChild)
{
    VORNA_ASSERT(aChild != NULL);
    myChild = std::move(aChild);
}

bool NotNode::execute(ScriptMachine& aMachine)
{
    return !myChild->execute(aMachine);
}
