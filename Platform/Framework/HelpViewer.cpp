#include "Platform/Framework/HelpViewer.h"

#include "Platform/Framework/MessageBox.h"
#include "Platform/RegularFile.h"
#include "Platform/Window/Backend.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace Platform
{
namespace
{
std::filesystem::path programFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
    {
        return std::filesystem::current_path(error);
    }
    return program.parent_path();
}
}

bool HelpViewer::showTopics(const std::string& aHelpFile)
{
    // The desktop's opener runs in the background and never tells whether it
    // could show the file, so a file that is not there is caught first.
    const std::string path = pathOf(aHelpFile);
    if (isReadableFile(path) && Backend::current().openWithDesktop(path))
    {
        return true;
    }
    MessageBox::show(failureText(aHelpFile));
    return false;
}

std::string HelpViewer::pathOf(const std::string& aHelpFile)
{
    const std::filesystem::path file(aHelpFile);
    if (file.has_parent_path())
    {
        return file.string();
    }
    return (programFolder() / file).string();
}

bool HelpViewer::isReadableFile(const std::string& aPath)
{
    return isRegularFile(aPath) && std::ifstream(aPath).is_open();
}

std::string HelpViewer::failureText(const std::string& aHelpFile)
{
    const std::string name = std::filesystem::path(aHelpFile).filename().string();
    return "There was an error displaying the help file, '" + name + ".'  " +
           "The help file and/or a suitable HTML Help file viewer " + "may not be properly installed on your system";
}
}
