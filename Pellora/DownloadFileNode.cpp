#include "Pellora/DownloadFileNode.h"

#include "Pellora/Interpreter.h"

DownloadFileNode::DownloadFileNode(const std::string& aFileName)
    : myFile(aFileName)
{
}

bool DownloadFileNode::execute(Interpreter& anInterpreter)
{
    return anInterpreter.download(myFile);
}
