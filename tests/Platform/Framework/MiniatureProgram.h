#pragma once

#include "Platform/Framework/Application.h"
#include "Platform/Framework/CommandLine.h"
#include "Platform/Framework/Document.h"
#include "Platform/Framework/DocumentTemplate.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/ScriptedUser.h"
#include "tests/support/PortProfile.h"

#include <string>
#include <vector>

// A miniature single-document program in the shape the real ones take: a
// document, a form view on a small template with a poll timer that runs idle
// processing, a frame with a menu, tool bar and status bar that keeps its
// placement, and an application whose start-up reads the command line.
namespace Miniature
{
// Program commands, and the ids of the miniature's resources.
const unsigned resourceId = 128;
const unsigned viewTemplate = 124;
const unsigned tabs = 1048;
const unsigned pollTimer = 1;
const unsigned viewFirst = 32774;  // handled by view, document, frame and application
const unsigned documentFirst = 32775; // by document, frame and application
const unsigned frameFirst = 32777;     // by frame and application
const unsigned applicationOnly = 32778;
const unsigned guarded = 32779;     // the view enables it while `ready`
const unsigned unhandled = 32780;   // nobody handles it

const std::string programName = "Miniature";
const std::string windowTitle = "Miniat";
const std::string newTitle = "Vorna";

// Without the tool bar or the view's template, the frame cannot be made.
Platform::Resources resources(bool aWithToolBar = true, bool aWithView = true);

// Every object's notes, in order.
extern std::vector<std::string> log;

class TestDocument : public Platform::Document
{
public:
    TestDocument();
    bool onNewDocument() override;
    bool onOpenDocument(const std::string& aPath) override;
    void onCloseDocument() override;
};

class TestView : public Platform::FormView
{
public:
    TestView();
    void onInitialUpdate() override;
    void onUpdate(Platform::FormView* aSender, long aHint) override;
    void onTimer(unsigned aTimerId) override;

    bool ready = false;
    bool frameShownAtInitialUpdate = true;
};

class TestFrame : public Platform::MainFrame
{
public:
    TestFrame();
    int onCreate() override;
    void onGetMinMaxInfo(Platform::MinMaxInfo& anInfo) override;
    void onClose() override;
    void onEndSession(bool anEnding) override;
    int restorePlacement();
    void savePlacement();
};

class TestApplication : public Platform::Application
{
public:
    explicit TestApplication(const Platform::Resources& aResources = Miniature::resources());
    bool initInstance() override;

    TestDocument* document() const;
    TestView* view() const;
    TestFrame* frame() const;

    bool placementRestored = false;

private:
    Platform::Resources myResources;
};

// The profile in a temporary folder, the headless backend and its user.
class Fixture
{
public:
    Fixture();
    ~Fixture();

    PortProfile profile;
    Platform::HeadlessBackend backend;
    Platform::ScriptedUser user;

    // Starts a miniature application with the arguments; the user looks at its frame.
    bool start(TestApplication& anApplication, const std::vector<std::string>& anArguments = {});
};
}
