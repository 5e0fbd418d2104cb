#pragma once

#include "Pellora/Language/Node.h"

#include <string>

// ask("..."): a yes/no question to the operator.
class QuestionNode : public Node
{
public:
    explicit QuestionNode(const std::string& aText);

    // True iff the operator answers Yes.
    bool execute(ScriptMachine& aMachine) override;

private:
    std::string myText;
};
