#include "MiniatureProgram.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/StandardResources.h"
#include "Platform/Framework/UnsavedSettings.h"
#include "Platform/Framework/WindowPlacement.h"
#include "Platform/ProfileStore.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"

namespace Miniature
{
using Platform::CommandIds;
using Platform::CommandState;
using Platform::WindowKind;

std::vector<std::string> log;

Platform::Resources resources(bool aWithToolBar, bool aWithView)
{
    Platform::Resources result;
    result.strings().add(resourceId, "Miniat\n\nMiniat\nMiniature Files (*.mnt)\n.mnt\nMiniature.Document\nMiniature Document");
    result.strings().add(viewFirst, "Close the current device\nClose Device");
    result.strings().add(documentFirst, "Select a new device to control\nNew Device");
    result.strings().add(CommandIds::appExit, "Quit the application\nExit");
    result.strings().add(104, "Windows sockets initialization failed.");
    Platform::StandardResources::addTo(result);

    Platform::Menu menu;
    menu.addPopup("&File")
        .addCommand(viewFirst, "&Close Device")
        .addCommand(documentFirst, "&New Device...")
        .addCommand(CommandIds::fileOpen, "&Open...")
        .addSeparator()
        .addCommand(CommandIds::recentFileFirst, "Recent File")
        .addSeparator()
        .addCommand(CommandIds::appExit, "E&xit");
    menu.addPopup("&Device")
        .addCommand(frameFirst, "&Frame")
        .addCommand(applicationOnly, "&Application")
        .addCommand(guarded, "&Guarded")
        .addCommand(unhandled, "&Unhandled");
    menu.addPopup("&View").addCommand(CommandIds::viewToolBar, "&Toolbar").addCommand(CommandIds::viewStatusBar, "&Status Bar");
    result.addMenu(resourceId, menu);

    Platform::ToolBarResource toolBar;
    toolBar.commands = {documentFirst, viewFirst, 0, guarded, 0, CommandIds::helpTopics};
    if (aWithToolBar)
    {
        result.addToolBar(resourceId, toolBar);
    }

    Platform::DialogTemplate view(viewTemplate, "", 200, 100);
    view.add(WindowKind::TabControl, tabs, "", 3, 7, 190, 88);
    if (aWithView)
    {
        result.addDialog(view);
    }
    return result;
}

TestDocument::TestDocument()
{
    mapCommand(viewFirst, []() { log.push_back("document viewFirst"); });
    mapCommand(documentFirst, []() { log.push_back("document documentFirst"); });
    mapCommand(guarded, []() { log.push_back("document guarded"); });
    mapCommandUpdate(documentFirst, [](CommandState& aState) { aState.checked = true; });
}

bool TestDocument::onNewDocument()
{
    const bool made = Document::onNewDocument();
    setTitle(newTitle);
    log.push_back("new document");
    return made;
}

bool TestDocument::onOpenDocument(const std::string& aPath)
{
    log.push_back("open document");
    return Document::onOpenDocument(aPath);
}

void TestDocument::onCloseDocument()
{
    log.push_back("close document");
}

TestView::TestView() : FormView(viewTemplate)
{
    mapCommand(viewFirst, []() { log.push_back("view viewFirst"); });
    mapCommandUpdate(guarded, [this](CommandState& aState) { aState.enabled = ready; });
    // The view's own update decides even where the document handles the command.
    mapCommandUpdate(viewFirst, [](CommandState& aState) { aState.enabled = true; });
}

void TestView::onInitialUpdate()
{
    FormView::onInitialUpdate();
    frameShownAtInitialUpdate = parentFrame().window().isShown();
    resizeParentToFit();
    setTimer(pollTimer, 15);
    log.push_back("initial update");
}

void TestView::onUpdate(Platform::FormView* aSender, long aHint)
{
    log.push_back("update " + std::to_string(aHint) + (aSender == this ? " from this view" : ""));
}

void TestView::onTimer(unsigned aTimerId)
{
    if (aTimerId == pollTimer)
    {
        Platform::Application::current().onIdle(0);
    }
}

TestFrame::TestFrame()
{
    mapCommand(viewFirst, []() { log.push_back("frame viewFirst"); });
    mapCommand(documentFirst, []() { log.push_back("frame documentFirst"); });
    mapCommand(frameFirst, []() { log.push_back("frame frameFirst"); });
}

int TestFrame::onCreate()
{
    if (MainFrame::onCreate() == creationFailed || !createToolBar(resourceId) ||
        !createStatusBar({CommandIds::messagePane, CommandIds::indicatorCaps, CommandIds::indicatorNum,
                          CommandIds::indicatorScroll}))
    {
        return creationFailed;
    }
    return 0;
}

void TestFrame::onGetMinMaxInfo(Platform::MinMaxInfo& anInfo)
{
    anInfo.maximumTrackWidth = averageCharacterWidth() * 125;
    anInfo.maximumTrackHeight = characterHeight() * 41;
}

void TestFrame::onClose()
{
    savePlacement();
    MainFrame::onClose();
}

void TestFrame::onEndSession(bool anEnding)
{
    if (anEnding)
    {
        savePlacement();
    }
    MainFrame::onEndSession(anEnding);
}

int TestFrame::restorePlacement()
{
    std::optional<Platform::WindowPlacement> stored =
        Platform::WindowPlacement::read(Platform::Application::current().profile(), "Settings");
    if (!stored)
    {
        return 0;
    }
    Platform::Backend& backend = Platform::Backend::current();
    stored->keepReachable(backend.screenArea().width(), backend.screenArea().height(), backend.iconWidth(),
                          backend.iconHeight());
    setPlacement(*stored);
    return 1;
}

void TestFrame::savePlacement()
{
    Platform::ProfileStore& profile = Platform::Application::current().profile();
    if (!placement().write(profile, "Settings"))
    {
        Platform::reportUnsavedSettings(profile, "The window placement", Platform::SettingsReport::StandardErrorOnly);
    }
}

TestApplication::TestApplication(const Platform::Resources& aResources)
    : Application(programName, myResources), myResources(aResources)
{
    mapCommand(viewFirst, []() { log.push_back("application viewFirst"); });
    mapCommand(documentFirst, []() { log.push_back("application documentFirst"); });
    mapCommand(frameFirst, []() { log.push_back("application frameFirst"); });
    mapCommand(applicationOnly, []() { log.push_back("application applicationOnly"); });
    mapCommand(CommandIds::fileOpen, [this]() { onFileOpen(); });
}

bool TestApplication::initInstance()
{
    setRegistryKey("Vorna");
    loadStdProfileSettings(4);
    addDocTemplate(Platform::DocumentTemplate::of<TestDocument, TestFrame, TestView>(resources(), resourceId));
    Platform::CommandLine commandLine;
    parseCommandLine(commandLine);
    if (!processShellCommand(commandLine))
    {
        return false;
    }
    placementRestored = frame()->restorePlacement() != 0;
    if (!placementRestored)
    {
        frame()->showWindow(Platform::WindowPlacement::showNormal);
    }
    frame()->updateWindow();
    return true;
}

TestDocument* TestApplication::document() const
{
    return documentTemplate() != nullptr ? static_cast<TestDocument*>(documentTemplate()->document()) : nullptr;
}

TestView* TestApplication::view() const
{
    return frame() != nullptr ? static_cast<TestView*>(frame()->activeView()) : nullptr;
}

TestFrame* TestApplication::frame() const
{
    return static_cast<TestFrame*>(mainFrame());
}

Fixture::Fixture() : user(backend)
{
    log.clear();
}

Fixture::~Fixture()
{
    log.clear();
}

bool Fixture::start(TestApplication& anApplication, const std::vector<std::string>& anArguments)
{
    const bool started = anApplication.start(anArguments);
    if (anApplication.frame() != nullptr)
    {
        user.lookAt(anApplication.frame()->window());
    }
    return started;
}
}
