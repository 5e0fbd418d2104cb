#include "Pellora/Language/DownloadModeNode.h"

#include "Pellora/Language/ScriptMachine.h"

bool DownloadModeNode::execute(ScriptMachine& aMachine)
{
    aMachine.enterDownloadMode();
    return true;
}
