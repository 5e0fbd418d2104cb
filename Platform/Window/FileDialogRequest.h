#pragma once

#include <string>
#include <vector>

namespace Platform
{
enum class FileDialogKind
{
    Open,
    Save
};

// A file dialog as the program asks for it. The filter is given in the form
// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||": pairs of a description
// and its patterns (several joined by ';'), ended by an empty description.
struct FileDialogRequest
{
    struct Filter
    {
        std::string description;
        std::string patterns;
        bool operator==(const Filter& anOther) const
        {
            return description == anOther.description && patterns == anOther.patterns;
        }
    };

    FileDialogKind kind = FileDialogKind::Open;
    std::string filter;
    std::string defaultExtension; // without the dot: "vnb"
    std::string initialName;
    bool hideReadOnly = false;
    bool promptOverwrite = false;
    bool fileMustExist = false;

    // The pairs of the filter up to its end; a description without patterns is dropped.
    std::vector<Filter> filters() const;
    // The desktop's usual title of the dialog: "Open" or "Save As".
    std::string title() const;
    // The patterns of a filter ("*.prx;*.txt") matching their names in any
    // letter case ("*.[pP][rR][xX];*.[tT][xX][tT]"), as the files of other
    // systems are named: the desktop's own matching tells case apart.
    static std::string anyCase(const std::string& aPatterns);
    // A name the user chose, with the default extension added when its file
    // name has no extension of its own (as the dialog does).
    std::string completedPath(const std::string& aChosen) const;
};
}
