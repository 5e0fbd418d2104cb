#pragma once

#include <string>

namespace Platform
{
// Shows the program's help file with the desktop's own opener. A file named
// without a folder is looked for beside the program. When the file is not
// there or cannot be read, or nothing can show it, a message box says so:
//
//     There was an error displaying the help file, 'Tessiva.chm.'  The help
//     file and/or a suitable HTML Help file viewer may not be properly
//     installed on your system
class HelpViewer
{
public:
    // True when the file is shown; false after the message.
    static bool showTopics(const std::string& aHelpFile);
    // The path the file is looked for at.
    static std::string pathOf(const std::string& aHelpFile);
    static std::string failureText(const std::string& aHelpFile);
    // A regular file that this program may read.
    static bool isReadableFile(const std::string& aPath);
};
}
