#include "Pellora/DownloadModeNode.h"

#include "Pellora/Interpreter.h"

bool DownloadModeNode::execute(Interpreter& anInterpreter)
{
    anInterpreter.enterDownloadMode();
    return true;
}
