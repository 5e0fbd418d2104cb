#pragma once

#include "Pellora/Language/Node.h"

#include <string>

// dialog("..."); a message box.
class DialogNode : public Node
{
public:
    explicit DialogNode(const std::string& aText);

    bool execute(ScriptMachine& aMachine) override;

private:
    std::string myText;
};
