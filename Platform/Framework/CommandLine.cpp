#include "Platform/Framework/CommandLine.h"

namespace Platform
{
void CommandLine::parse(const std::vector<std::string>& aArguments)
{
    myAction = Action::newFile;
    myFileName.clear();
    bool options = true;
    for (const std::string& argument : aArguments)
    {
        if (options && argument == "--")
        {
            options = false;
            continue;
        }
        if (options && !argument.empty() && argument[0] == '-')
        {
            continue;
        }
        if (argument.empty())
        {
            continue;
        }
        myAction = Action::openFile;
        myFileName = argument;
        return;
    }
}
}
