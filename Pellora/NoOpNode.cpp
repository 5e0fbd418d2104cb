#include "Pellora/NoOpNode.h"

bool NoOpNode::execute(ScriptMachine&)
{
    return true;
}
