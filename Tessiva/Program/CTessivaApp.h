#pragma once

#include "Platform/Framework/Application.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Program/PanelFactory.h"

#include <functional>
#include <memory>

class CMainFrame;
class CTessivaDoc;
class TessivaView;

// The remote-control program: its start-up (sockets, registry key, recent
// files, the document template of CTessivaDoc, CMainFrame and TessivaView,
// the splash screen, the command line, the stored placement of the main
// window). Exit and the recent files are the framework's.
class CTessivaApp : public Platform::Application
{
public:
    static constexpr unsigned splashMilliseconds = 1750;

    // How the splash screen's time passes: blocks the thread, handles no messages.
    typedef std::function<void(unsigned aMilliseconds)> SplashWait;

    // nullptr: panels that only name their device.
    explicit CTessivaApp(std::unique_ptr<PanelFactory> aPanelFactory = nullptr);

    bool initInstance() override;

    // Tests pass the splash screen's time without waiting it out.
    void setSplashWait(const SplashWait& aWait) { mySplashWait = aWait; }

    // nullptr before the start-up made them and after the program ended.
    CTessivaDoc* document() const;
    TessivaView* view() const;
    CMainFrame* frame() const;

protected:
    // The network support that the program starts first; false ends the
    // start-up with string 104. There is nothing to start here.
    virtual bool startSockets();

private:
    void showSplashScreen();

    std::unique_ptr<PanelFactory> myPanelFactory;
    Platform::Resources myResources;
    SplashWait mySplashWait;
};
