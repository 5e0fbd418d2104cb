#include "Pellora/Language/DownloadFileNode.h"

#include "Pellora/Language/ScriptMachine.h"

DownloadFileNode::DownloadFileNode(const std::string& aFileName)
    : myFileName(aFileName)
{
}

bool DownloadFileNode::execute(ScriptMachine& aMachine)
{
    // A transfer either goes through or throws.
    aMachine.download(myFileName);
    return true;
}
