#pragma once

#include "Platform/Window/FileDialogRequest.h"

#include <string>

namespace Platform
{
// A file dialog run through the installed backend, and the parts of the
// name chosen.
//
//     FileDialog dialog(FileDialogKind::Save, "htm", "HTML Files (*.htm)|*.htm|All Files (*.*)|*.*||");
//     dialog.request().promptOverwrite = true;
//     if (dialog.run()) { write(dialog.path(), dialog.fileTitle()); }
class FileDialog
{
public:
    FileDialog(FileDialogKind aKind, const std::string& aDefaultExtension, const std::string& aFilter);

    // Flags and the initial name, before run.
    FileDialogRequest& request() { return myRequest; }

    // False when the user cancels.
    bool run();
    // The full path chosen (with the default extension when it had none).
    const std::string& path() const { return myPath; }
    // The name without its folder: "report.htm".
    std::string fileName() const;
    // The name without folder and extension: "report".
    std::string fileTitle() const;

private:
    FileDialogRequest myRequest;
    std::string myPath;
};
}
