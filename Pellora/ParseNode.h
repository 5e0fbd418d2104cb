#pragma once

#include "Pellora/Node.h"

#include <memory>

// Two statements in sequence.
class ParseNode : public Node
{
public:
    // Takes ownership of both.
    ParseNode(Node* aLeftChild, Node* aRightChild);

    // The left child, then the right one; the right one's result.
    bool execute(Interpreter& anInterpreter) override;

private:
    std::unique_ptr<Node> myLeftChild;
    std::unique_ptr<Node> myRightChild;
};
