#pragma once

#include "Pellora/Language/Node.h"

#include <memory>

// The negation of a question or of a file list.
class NotNode : public Node
{
public:
    explicit NotNode(std::unique_ptr<Node> aChild);

    bool execute(ScriptMachine& aMachine) override;

private:
    std::unique_ptr<Node> myChild;
};
