#include "Pellora/Program/PelloraApp.h"

#include "Pellora/Program/AboutDialog.h"
#include "Pellora/Program/CMainFrame.h"
#include "Pellora/Program/PelloraDoc.h"
#include "Pellora/Program/PelloraResources.h"
#include "Pellora/Program/PelloraView.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/CommandLine.h"
#include "Platform/Framework/DocumentTemplate.h"
#include "Platform/Framework/WindowPlacement.h"
#include "Platform/SerialLine.h"

PelloraApp::PelloraApp() : Application("Pellora", myResources), myResources(PelloraResources::create())
{
    // "COMn" maps to a device through Pellora's own profile.
    Platform::SerialLine::setProgramName("Pellora");
    mapCommand(Platform::CommandIds::fileOpen, [this]() { onFileOpen(); });
    mapCommand(Platform::CommandIds::appAbout, []() { AboutDialog::run(); });
}

bool PelloraApp::initInstance()
{
    setRegistryKey("Vorna");
    loadStdProfileSettings(4);
    addDocTemplate(Platform::DocumentTemplate::of<PelloraDoc, CMainFrame, PelloraView>(myResources,
                                                                                       PelloraResources::mainFrame));
    Platform::CommandLine commandLine;
    parseCommandLine(commandLine);
    if (!processShellCommand(commandLine))
    {
        return false;
    }
    frame()->showWindow(Platform::WindowPlacement::showNormal);
    frame()->updateWindow();
    return true;
}

PelloraDoc* PelloraApp::document() const
{
    return documentTemplate() != nullptr ? static_cast<PelloraDoc*>(documentTemplate()->document()) : nullptr;
}

PelloraView* PelloraApp::view() const
{
    return frame() != nullptr ? static_cast<PelloraView*>(frame()->activeView()) : nullptr;
}

CMainFrame* PelloraApp::frame() const
{
    return static_cast<CMainFrame*>(mainFrame());
}
