#include "Pellora/DownloadModeNode.h"

#include "Pellora/ScriptMachine.h"

bool DownloadModeNode::execute(ScriptMachine& aMachine)
{
    aMachine.enterDownloadMode();
    return true;
}
