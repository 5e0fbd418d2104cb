#pragma once

#include "Pellora/Language/Node.h"

#include <string>

// reset; and reset_download; a fixed S0 line sent to the unit.
class SendTextNode : public Node
{
public:
    explicit SendTextNode(const std::string& aText);

    bool execute(ScriptMachine& aMachine) override;

private:
    std::string myText;
};
