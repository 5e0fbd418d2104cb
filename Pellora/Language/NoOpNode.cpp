#include "Pellora/Language/NoOpNode.h"

bool NoOpNode::execute(ScriptMachine&)
{
    return true;
}
