#pragma once

#include "Pellora/Language/Node.h"

#include <string>

// print("..."); the text goes to the messages field.
class PrintNode : public Node
{
public:
    explicit PrintNode(const std::string& aText);

    bool execute(ScriptMachine& aMachine) override;

private:
    std::string myText;
};
