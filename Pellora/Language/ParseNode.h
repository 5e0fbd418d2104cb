#pragma once

#include "Pellora/Language/Node.h"

#include <memory>

// Two statements in sequence.
class ParseNode : public Node
{
public:
    ParseNode(std::unique_ptr<Node> aLeftChild, std::unique_ptr<Node> aRightChild);

    // The left child, then the right one; the right one's result.
    bool execute(ScriptMachine& aMachine) override;

private:
    std::unique_ptr<Node> myLeftChild;
    std::unique_ptr<Node> myRightChild;
};
