#include "Platform/Framework/DocumentTemplate.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/Document.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Window/Resources.h"

#include <filesystem>
#include <system_error>

namespace Platform
{
namespace
{
bool samePath(const std::string& aFirst, const std::string& aSecond)
{
    std::error_code error;
    if (std::filesystem::equivalent(aFirst, aSecond, error))
    {
        return true;
    }
    return std::filesystem::absolute(aFirst, error).lexically_normal() ==
           std::filesystem::absolute(aSecond, error).lexically_normal();
}
}

const char* const DocumentTemplate::allFilesFilter = "All Files (*.*)|*.*||";

DocumentTemplate::DocumentTemplate(const Resources& aResources, unsigned aResourceId,
                                   const DocumentFactory& aDocumentFactory, const FrameFactory& aFrameFactory,
                                   const ViewFactory& aViewFactory)
    : myResources(aResources),
      myResourceId(aResourceId),
      myDocumentFactory(aDocumentFactory),
      myFrameFactory(aFrameFactory),
      myViewFactory(aViewFactory)
{
    VORNA_ASSERT(aDocumentFactory != nullptr);
    VORNA_ASSERT(aFrameFactory != nullptr);
    VORNA_ASSERT(aViewFactory != nullptr);
    const std::optional<std::string> text = aResources.strings().find(aResourceId);
    VORNA_ASSERT(text.has_value());
    myString = *text;
}

DocumentTemplate::~DocumentTemplate()
{
    closeDocument();
}

std::string DocumentTemplate::part(Part aPart) const
{
    std::size_t start = 0;
    for (int index = 0; index < static_cast<int>(aPart); ++index)
    {
        start = myString.find('\n', start);
        if (start == std::string::npos)
        {
            return std::string();
        }
        ++start;
    }
    const std::size_t end = myString.find('\n', start);
    return myString.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string DocumentTemplate::fileFilter() const
{
    const std::string name = part(Part::filterName);
    const std::string extension = part(Part::filterExtension);
    if (name.empty() || extension.empty())
    {
        return allFilesFilter;
    }
    return name + "|*" + extension + "|" + allFilesFilter;
}

std::string DocumentTemplate::defaultExtension() const
{
    const std::string extension = part(Part::filterExtension);
    return !extension.empty() && extension[0] == '.' ? extension.substr(1) : extension;
}

Document* DocumentTemplate::openDocumentFile(const std::string& aPath)
{
    bool created = false;
    if (myDocument == nullptr)
    {
        myDocument = myDocumentFactory();
        VORNA_ASSERT(myDocument != nullptr);
        myDocument->setDocumentTemplate(this);
        created = true;
        if (!createFrame())
        {
            discard();
            return nullptr;
        }
    }
    else
    {
        if (!aPath.empty() && !myDocument->pathName().empty() && samePath(aPath, myDocument->pathName()))
        {
            return myDocument.get();
        }
        if (!myDocument->saveModified())
        {
            return nullptr;
        }
    }

    if (aPath.empty())
    {
        setDefaultTitle();
        if (!myDocument->onNewDocument())
        {
            if (created)
            {
                discard();
            }
            return nullptr;
        }
    }
    else
    {
        if (!myDocument->onOpenDocument(aPath))
        {
            if (created)
            {
                discard();
            }
            return nullptr;
        }
        myDocument->setPathName(aPath);
    }
    myFrame->initialUpdate();
    return myDocument.get();
}

void DocumentTemplate::closeDocument()
{
    if (myDocument != nullptr)
    {
        myDocument->onCloseDocument();
    }
    discard();
}

void DocumentTemplate::discard()
{
    myFrame.reset();
    myDocument.reset();
}

bool DocumentTemplate::createFrame()
{
    myFrame = myFrameFactory();
    VORNA_ASSERT(myFrame != nullptr);
    const std::string title = part(Part::windowTitle);
    if (!myFrame->create(myResources, myResourceId, title))
    {
        return false;
    }
    std::unique_ptr<FormView> view = myViewFactory();
    VORNA_ASSERT(view != nullptr);
    return myFrame->createView(std::move(view), *myDocument);
}

void DocumentTemplate::setDefaultTitle()
{
    std::string title = part(Part::documentName);
    if (title.empty())
    {
        const std::optional<std::string> untitled = myResources.strings().find(CommandIds::untitled);
        title = untitled ? *untitled : "Untitled";
    }
    myDocument->setTitle(title);
}
}
