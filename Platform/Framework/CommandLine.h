#pragma once

#include <string>
#include <vector>

namespace Platform
{
// The standard document command line: no file argument asks for a new
// document, a file argument for that file to be opened. Arguments that
// start with '-' are options and are passed over ("--" ends them, so a file
// name may start with '-'); only the first file argument counts.
//
//     CommandLine line;
//     line.parse({"script.prx"});   // openFile, "script.prx"
class CommandLine
{
public:
    enum class Action
    {
        newFile,
        openFile
    };

    // aArguments without the program's own name.
    void parse(const std::vector<std::string>& aArguments);

    Action action() const { return myAction; }
    // Empty for a new document.
    const std::string& fileName() const { return myFileName; }

private:
    Action myAction = Action::newFile;
    std::string myFileName;
};
}
