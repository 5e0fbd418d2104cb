#include "Pellora/Language/QueryKeywordNode.h"

#include "Pellora/Language/ScriptMachine.h"

QueryKeywordNode::QueryKeywordNode(signed char aKeyword)
    : myKeyword(aKeyword)
{
}

bool QueryKeywordNode::execute(ScriptMachine& aMachine)
{
    aMachine.setQueryKeyword(myKeyword);
    return true;
}
