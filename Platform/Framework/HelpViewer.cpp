#include "Platform/Framework/HelpViewer.h"

#include "Platform/Framework/MessageBox.h"
#include "Platform/Window/Backend.h"

#include <filesystem>
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
    if (Backend::current().openWithDesktop(pathOf(aHelpFile)))
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

std::string HelpViewer::failureText(const std::string& aHelpFile)
{
    const std::string name = std::filesystem::path(aHelpFile).filename().string();
    return "There was an error displaying the help file, '" + name + ".'  " +
           "The help file and/or a suitable HTML Help file viewer " + "may not be properly installed on your system";
}
}
