#include "Tessiva/Program/CTessivaApp.h"

#include "Platform/Framework/CommandLine.h"
#include "Platform/Framework/DocumentTemplate.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Framework/WindowPlacement.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Program/CMainFrame.h"
#include "Tessiva/Program/PanelFactory.h"
#include "Tessiva/Program/SplashDialog.h"
#include "Tessiva/Program/TessivaResources.h"
#include "Tessiva/Program/TessivaView.h"

#include <chrono>
#include <thread>

namespace
{
std::unique_ptr<PanelFactory> orPlainPanels(std::unique_ptr<PanelFactory> aFactory)
{
    return aFactory != nullptr ? std::move(aFactory) : std::make_unique<PanelFactory>();
}

Platform::Resources programResources(PanelFactory& aFactory)
{
    Platform::Resources resources = TessivaResources::create();
    aFactory.addResources(resources);
    return resources;
}
}

CTessivaApp::CTessivaApp(std::unique_ptr<PanelFactory> aPanelFactory)
    : Application("Tessiva", myResources),
      myPanelFactory(orPlainPanels(std::move(aPanelFactory))),
      myResources(programResources(*myPanelFactory)),
      mySplashWait([](unsigned aMilliseconds) {
          std::this_thread::sleep_for(std::chrono::milliseconds(aMilliseconds));
      })
{
}

bool CTessivaApp::startSockets()
{
    return true;
}

bool CTessivaApp::initInstance()
{
    if (!startSockets())
    {
        Platform::MessageBox::showString(TessivaResources::socketsFailedString);
        return false;
    }
    // The control container and the three-dimensional look are the window
    // layer's own: nothing to enable.
    setRegistryKey("Vorna");
    loadStdProfileSettings(4);
    PanelFactory& panels = *myPanelFactory;
    addDocTemplate(std::make_unique<Platform::DocumentTemplate>(
        myResources, TessivaResources::mainFrame, []() { return std::make_unique<CTessivaDoc>(); },
        []() { return std::make_unique<CMainFrame>(); },
        [&panels]() { return std::make_unique<TessivaView>(panels); }));

    showSplashScreen();

    Platform::CommandLine commandLine;
    parseCommandLine(commandLine);
    if (!processShellCommand(commandLine))
    {
        return false;
    }
    if (frame()->restorePlacement() == 0)
    {
        frame()->showWindow(Platform::WindowPlacement::showNormal);
    }
    frame()->updateWindow();
    return true;
}

void CTessivaApp::showSplashScreen()
{
    SplashDialog splash;
    if (!splash.create(myResources))
    {
        return;
    }
    splash.updateWindow();
    if (mySplashWait)
    {
        mySplashWait(splashMilliseconds);
    }
    splash.destroyWindow();
}

CTessivaDoc* CTessivaApp::document() const
{
    return documentTemplate() != nullptr ? static_cast<CTessivaDoc*>(documentTemplate()->document()) : nullptr;
}

TessivaView* CTessivaApp::view() const
{
    return frame() != nullptr ? static_cast<TessivaView*>(frame()->activeView()) : nullptr;
}

CMainFrame* CTessivaApp::frame() const
{
    return static_cast<CMainFrame*>(mainFrame());
}
