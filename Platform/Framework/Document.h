#pragma once

#include "Platform/Framework/CommandTarget.h"

#include <string>
#include <vector>

namespace Platform
{
class DocumentTemplate;
class FormView;

// The framework's document: a title, the path of its file, a modified flag
// and the views that show it. The document template makes it and calls the
// hooks: onNewDocument for a new document, onOpenDocument for a file, and
// onCloseDocument just before the document and its views go. A program's
// document derives from it and maps its own commands.
class Document : public CommandTarget
{
public:
    const std::string& title() const { return myTitle; }
    virtual void setTitle(const std::string& aTitle);
    // Empty for a document without a file.
    const std::string& pathName() const { return myPathName; }
    // Takes the path (made absolute), shows the file's name as the title and, when asked,
    // puts the file at the top of the application's recent files.
    virtual void setPathName(const std::string& aPath, bool anAddToRecentFiles = true);
    bool isModified() const { return myModified; }
    void setModified(bool aModified = true) { myModified = aModified; }

    // Set by the template that made the document; nullptr for one made otherwise.
    DocumentTemplate* documentTemplate() const { return myTemplate; }
    void setDocumentTemplate(DocumentTemplate* aTemplate) { myTemplate = aTemplate; }

    // --- views ---
    const std::vector<FormView*>& views() const { return myViews; }
    // nullptr when there is none.
    FormView* firstView() const;
    // Called by the views as they come and go.
    void addView(FormView& aView);
    void removeView(FormView& aView);
    // Tells every view but aSender (which may be nullptr) to show the document
    // anew; views removed meanwhile are not told.
    void updateAllViews(FormView* aSender, long aHint = 0);

    // --- hooks ---
    // Empties the document (deleteContents), forgets its path and clears the
    // modified flag. False stops the new document.
    virtual bool onNewDocument();
    // Checks that the file can be read (a message box says when it cannot,
    // and the document stays as it was), then empties the document and clears
    // the modified flag. A document that reads its file overrides it.
    virtual bool onOpenDocument(const std::string& aPath);
    // Stores the document in aPath. The base has nothing to store and says so.
    virtual bool onSaveDocument(const std::string& aPath);
    // Just before the document and its views are destroyed.
    virtual void onCloseDocument();
    virtual void deleteContents();
    // Before the document is closed or replaced: a modified document asks
    // whether to save it (Yes saves, No drops the changes, Cancel keeps it).
    // False keeps the document open.
    virtual bool saveModified();

private:
    std::string myTitle;
    std::string myPathName;
    bool myModified = false;
    DocumentTemplate* myTemplate = nullptr;
    std::vector<FormView*> myViews;
};
}
