#pragma once

#include "Pellora/Language/Node.h"

// query_keyword = n; the group of the unit's identification parameters from
// here on.
class QueryKeywordNode : public Node
{
public:
    explicit QueryKeywordNode(signed char aKeyword);

    bool execute(ScriptMachine& aMachine) override;

    signed char keyword() const { return myKeyword; }

private:
    signed char myKeyword;
};
