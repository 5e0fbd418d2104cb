#include "Pellora/DownloadFileNode.h"

#include "Pellora/ScriptMachine.h"

DownloadFileNode::DownloadFileNode(const std::string& aFileName)
    : myFileName(aFileName)
{
}

bool DownloadFileNode::execute(ScriptMachine& aMachine)
{
    return aMachine.download(myFileName);
}
