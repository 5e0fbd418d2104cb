#include "Pellora/Language/DownloadFileNode.h"

#include "Pellora/Language/ScriptMachine.h"

DownloadFileNode::DownloadFileNode(const std::string& aFileName)
    : myFileName(aFileName)
{
}

bool DownloadFileNode::execute(ScriptMachine& aMachine)
{
    return aMachine.download(myFileName);
}
