#include "Pellora/NoOpNode.h"

bool NoOpNode::execute(Interpreter&)
{
    return true;
}
