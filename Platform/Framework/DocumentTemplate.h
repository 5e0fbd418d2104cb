#pragma once

#include <functional>
#include <memory>
#include <string>

namespace Platform
{
class Document;
class FormView;
class MainFrame;
class Resources;

// The single-document template: one document, one main frame and one view,
// made by their factories the first time a document is asked for and kept
// for every later one. The template's string (resource aResourceId, also the
// id of the frame's menu) holds seven parts joined by '\n': the window title,
// the document name, the name of a new file, the filter's description, the
// file extension, the file type's id and its name:
//
//     "Pellora\n\nPellora\nPellora Files (*.prx)\n.prx\nPellora.Document\nPellora Document"
class DocumentTemplate
{
public:
    enum class Part
    {
        windowTitle,
        documentName,
        fileNewName,
        filterName,
        filterExtension,
        fileTypeId,
        fileTypeName
    };

    typedef std::function<std::unique_ptr<Document>()> DocumentFactory;
    typedef std::function<std::unique_ptr<MainFrame>()> FrameFactory;
    typedef std::function<std::unique_ptr<FormView>()> ViewFactory;

    static const char* const allFilesFilter;

    // The resources must hold the string aResourceId and outlive the template.
    DocumentTemplate(const Resources& aResources, unsigned aResourceId, const DocumentFactory& aDocumentFactory,
                     const FrameFactory& aFrameFactory, const ViewFactory& aViewFactory);
    // Closes the document.
    ~DocumentTemplate();
    DocumentTemplate(const DocumentTemplate&) = delete;
    DocumentTemplate& operator=(const DocumentTemplate&) = delete;

    // Factories of default-constructible classes.
    template <class TDocument, class TFrame, class TView>
    static std::unique_ptr<DocumentTemplate> of(const Resources& aResources, unsigned aResourceId)
    {
        return std::make_unique<DocumentTemplate>(
            aResources, aResourceId, []() { return std::make_unique<TDocument>(); },
            []() { return std::make_unique<TFrame>(); }, []() { return std::make_unique<TView>(); });
    }

    unsigned resourceId() const { return myResourceId; }
    const Resources& resources() const { return myResources; }
    // Empty when the string has no such part.
    std::string part(Part aPart) const;
    // The file dialogs' filter: the template's files, then all files
    // ("Pellora Files (*.prx)|*.prx|All Files (*.*)|*.*||"), or all files alone.
    std::string fileFilter() const;
    // The extension without its dot ("prx"); empty when there is none.
    std::string defaultExtension() const;

    // An empty path: a new document; else that file, opened (a file that is
    // open already stays as it is). The first call makes the document, the
    // frame and the view, then every call runs the view's initial update.
    // nullptr when it failed: a first document that fails takes its frame with
    // it; a later one leaves the document that was open.
    Document* openDocumentFile(const std::string& aPath);
    // onCloseDocument, then the view and the frame, then the document go.
    void closeDocument();

    Document* document() const { return myDocument.get(); }
    MainFrame* frame() const { return myFrame.get(); }

private:
    bool createFrame();
    // Without onCloseDocument: for a document that never opened.
    void discard();
    void setDefaultTitle();

    const Resources& myResources;
    unsigned myResourceId;
    std::string myString;
    DocumentFactory myDocumentFactory;
    FrameFactory myFrameFactory;
    ViewFactory myViewFactory;
    std::unique_ptr<Document> myDocument;
    std::unique_ptr<MainFrame> myFrame;
};
}
