#include "Platform/Framework/Application.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/CommandLine.h"
#include "Platform/Framework/DocumentTemplate.h"
#include "Platform/Framework/FileDialog.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Framework/RecentFileList.h"
#include "Platform/Framework/UnsavedSettings.h"
#include "Platform/SteadyWait.h"
#include "Platform/WaitInterrupted.h"
#include "Platform/Window/Backend.h"

namespace Platform
{
namespace
{
Application* theApplication = nullptr;
}

Application::Application(const std::string& aName, const Resources& aResources)
    : myName(aName), myResources(aResources), myProfile(aName)
{
    VORNA_ASSERT(theApplication == NULL);
    theApplication = this;

    mapCommand(CommandIds::appExit, [this]() { onAppExit(); });
    mapCommandRange(CommandIds::recentFileFirst, CommandIds::recentFileLast,
                    [this](unsigned aCommandId) { onOpenRecentFile(aCommandId); });
    mapCommandUpdateRange(CommandIds::recentFileFirst, CommandIds::recentFileLast,
                          [this](unsigned aCommandId, CommandState& aState) {
                              aState.enabled = myRecentFiles != nullptr &&
                                               aCommandId - CommandIds::recentFileFirst < myRecentFiles->count();
                          });
}

Application::~Application()
{
    myTemplate.reset();
    theApplication = nullptr;
}

bool Application::exists()
{
    return theApplication != nullptr;
}

Application& Application::current()
{
    VORNA_ASSERT(theApplication != NULL);
    return *theApplication;
}

int Application::main(const std::vector<std::string>& anArguments)
{
    try
    {
        if (!start(anArguments))
        {
            exitInstance();
            return 1;
        }
    }
    catch (const WaitInterrupted&)
    {
        // Asked to close while the start-up waited on a unit: the program
        // ends as a close ends it, without the rest of its start.
        SteadyWait::clearInterrupt();
        return exitInstance();
    }
    return run();
}

bool Application::start(const std::vector<std::string>& anArguments)
{
    myArguments = anArguments;
    return initInstance();
}

int Application::run()
{
    onIdle(0);
    myExitCode = Backend::current().runMessageLoop();
    return exitInstance();
}

bool Application::initInstance()
{
    return true;
}

int Application::exitInstance()
{
    if (myTemplate != nullptr)
    {
        myTemplate->closeDocument();
    }
    if (myRecentFiles != nullptr && !myRecentFiles->write())
    {
        reportUnsavedSettings(myRecentFiles->profile(), "The recent file list", SettingsReport::StandardErrorOnly);
    }
    return myExitCode;
}

void Application::loadStdProfileSettings(unsigned aRecentFiles)
{
    myRecentFiles = std::make_unique<RecentFileList>(myProfile, aRecentFiles);
    myRecentFiles->read();
}

void Application::addToRecentFileList(const std::string& aPath)
{
    if (myRecentFiles != nullptr)
    {
        myRecentFiles->add(aPath);
    }
}

void Application::addDocTemplate(std::unique_ptr<DocumentTemplate> aTemplate)
{
    VORNA_ASSERT(aTemplate != nullptr);
    // A single-document program has one template.
    VORNA_ASSERT(myTemplate == nullptr);
    myTemplate = std::move(aTemplate);
}

void Application::parseCommandLine(CommandLine& aCommandLine) const
{
    aCommandLine.parse(myArguments);
}

bool Application::processShellCommand(const CommandLine& aCommandLine)
{
    if (aCommandLine.action() == CommandLine::Action::openFile)
    {
        return openDocumentFile(aCommandLine.fileName()) != nullptr;
    }
    // A program's own File New comes first.
    if (!runCommand(CommandIds::fileNew))
    {
        onFileNew();
    }
    return mainFrame() != nullptr;
}

Document* Application::openDocumentFile(const std::string& aPath)
{
    return myTemplate != nullptr ? myTemplate->openDocumentFile(aPath) : nullptr;
}

MainFrame* Application::mainFrame() const
{
    return myTemplate != nullptr ? myTemplate->frame() : nullptr;
}

void Application::onFileNew()
{
    openDocumentFile(std::string());
}

void Application::onFileOpen()
{
    if (myTemplate == nullptr)
    {
        return;
    }
    FileDialog dialog(FileDialogKind::Open, myTemplate->defaultExtension(), myTemplate->fileFilter());
    dialog.request().hideReadOnly = true;
    dialog.request().fileMustExist = true;
    if (dialog.run())
    {
        openDocumentFile(dialog.path());
    }
}

void Application::onAppExit()
{
    MainFrame* frame = mainFrame();
    if (frame != nullptr)
    {
        frame->onClose();
    }
    else
    {
        closeMainFrame();
    }
}

void Application::onOpenRecentFile(unsigned aCommandId)
{
    if (myRecentFiles == nullptr || aCommandId < CommandIds::recentFileFirst)
    {
        return;
    }
    const unsigned index = aCommandId - CommandIds::recentFileFirst;
    const std::string path = myRecentFiles->file(index);
    if (path.empty())
    {
        return;
    }
    if (openDocumentFile(path) == nullptr)
    {
        myRecentFiles->remove(index);
    }
}

bool Application::pumpMessage()
{
    return Backend::current().pumpMessage();
}

bool Application::onIdle(long aCount)
{
    MainFrame* frame = mainFrame();
    if (aCount == 0 && frame != nullptr && !myClosing)
    {
        frame->updateCommandStates();
    }
    return false;
}

void Application::closeMainFrame()
{
    if (!myClosing)
    {
        myClosing = true;
        Backend::current().postQuit(0);
    }
}
}
