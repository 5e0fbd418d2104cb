#include "Platform/Framework/FileDialog.h"

#include "Platform/Window/Backend.h"

#include <filesystem>

namespace Platform
{
FileDialog::FileDialog(FileDialogKind aKind, const std::string& aDefaultExtension, const std::string& aFilter)
{
    myRequest.kind = aKind;
    myRequest.defaultExtension = aDefaultExtension;
    myRequest.filter = aFilter;
}

bool FileDialog::run()
{
    std::string chosen;
    if (!Backend::current().askFileName(myRequest, chosen))
    {
        return false;
    }
    myPath = chosen;
    return true;
}

std::string FileDialog::fileName() const
{
    return std::filesystem::path(myPath).filename().string();
}

std::string FileDialog::fileTitle() const
{
    return std::filesystem::path(myPath).stem().string();
}
}
