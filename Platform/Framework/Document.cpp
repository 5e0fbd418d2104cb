#include "Platform/Framework/Document.h"

#include "Platform/Framework/Application.h"
#include "Platform/Framework/DocumentTemplate.h"
#include "Platform/Framework/FileDialog.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/RegularFile.h"
#include "Platform/Window/DialogResult.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace Platform
{
void Document::setTitle(const std::string& aTitle)
{
    myTitle = aTitle;
}

void Document::setPathName(const std::string& aPath, bool anAddToRecentFiles)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(aPath, error);
    myPathName = error ? aPath : full.lexically_normal().string();
    setTitle(std::filesystem::path(aPath).filename().string());
    if (anAddToRecentFiles && Application::exists())
    {
        Application::current().addToRecentFileList(myPathName);
    }
}

FormView* Document::firstView() const
{
    return myViews.empty() ? nullptr : myViews.front();
}

void Document::addView(FormView& aView)
{
    if (std::find(myViews.begin(), myViews.end(), &aView) == myViews.end())
    {
        myViews.push_back(&aView);
    }
}

void Document::removeView(FormView& aView)
{
    myViews.erase(std::remove(myViews.begin(), myViews.end(), &aView), myViews.end());
}

void Document::updateAllViews(FormView* aSender, long aHint)
{
    // A view's update may remove views: each one is looked for again.
    const std::vector<FormView*> views = myViews;
    for (FormView* view : views)
    {
        if (view != aSender && std::find(myViews.begin(), myViews.end(), view) != myViews.end())
        {
            view->onUpdate(aSender, aHint);
        }
    }
}

bool Document::onNewDocument()
{
    deleteContents();
    myPathName.clear();
    myModified = false;
    return true;
}

bool Document::onOpenDocument(const std::string& aPath)
{
    // Only a regular file is opened: a FIFO would block here before any window is shown.
    if (!isRegularFile(aPath) || !std::ifstream(aPath, std::ios::binary))
    {
        MessageBox::show("The file " + aPath + " could not be opened.");
        return false;
    }
    deleteContents();
    myModified = false;
    return true;
}

bool Document::onSaveDocument(const std::string&)
{
    MessageBox::show("This document cannot be saved.");
    return false;
}

void Document::onCloseDocument()
{
}

void Document::deleteContents()
{
}

bool Document::saveModified()
{
    if (!myModified)
    {
        return true;
    }
    const int answer = MessageBox::show("Save changes to " + myTitle + "?", MessageBoxButtons::YesNoCancel);
    if (answer == DialogResult::no)
    {
        return true;
    }
    if (answer != DialogResult::yes)
    {
        return false;
    }
    std::string path = myPathName;
    if (path.empty())
    {
        FileDialog dialog(FileDialogKind::Save, myTemplate != nullptr ? myTemplate->defaultExtension() : std::string(),
                          myTemplate != nullptr ? myTemplate->fileFilter() : DocumentTemplate::allFilesFilter);
        dialog.request().hideReadOnly = true;
        dialog.request().promptOverwrite = true;
        dialog.request().initialName = myTitle;
        if (!dialog.run())
        {
            return false;
        }
        path = dialog.path();
    }
    if (!onSaveDocument(path))
    {
        return false;
    }
    myModified = false;
    return true;
}
}
