#include "Platform/Framework/CommandIds.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"
#include "tests/Platform/Framework/MiniatureProgram.h"
#include "tests/support/PortProfile.h"

#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/timer.h>

#include <string>

namespace
{
using Platform::Backend;
using Platform::Window;
using Platform::WxBackend;

class QuitWatchdog : public wxTimer
{
public:
    QuitWatchdog() { StartOnce(5000); }
    void Notify() override
    {
        fired = true;
        Backend::current().postQuit(-1);
    }
    bool fired = false;
};

// A program started under the drawing backend as the real ones are: its
// frame with menu, tool bar, status bar and view drawn, commands from the
// menu and the tool bar, a screenshot, and its end by the close box.
TEST(ProgramSmokeTest, TheMiniatureProgramRunsActedOnThroughItsWidgets)
{
    ASSERT_TRUE(Backend::isInstalled()) << "no display for the drawing backend";
    WxBackend* backend = dynamic_cast<WxBackend*>(&Backend::current());
    ASSERT_NE(backend, nullptr) << "no display for the drawing backend";
    PortProfile profile;
    Miniature::log.clear();
    Miniature::TestApplication application;
    ASSERT_TRUE(application.start({}));
    backend->settle(1000);

    wxFrame* frame = dynamic_cast<wxFrame*>(backend->view().widgetOf(application.frame()->window()));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(std::string(frame->GetTitle().utf8_str()), application.frame()->window().text());
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    EXPECT_EQ(std::string(bar->GetMenuLabel(1).utf8_str()), "&Device");
    ASSERT_NE(bar->FindItem(backend->view().menuItemId(Miniature::guarded)), nullptr);
    // The view enables it only while it is ready; idle processing tells the menu.
    EXPECT_FALSE(bar->FindItem(backend->view().menuItemId(Miniature::guarded))->IsEnabled());
    ASSERT_NE(bar->FindItem(backend->view().menuItemId(Platform::CommandIds::viewToolBar)), nullptr);
    EXPECT_TRUE(bar->FindItem(backend->view().menuItemId(Platform::CommandIds::viewToolBar))->IsChecked());

    wxCommandEvent menuCommand(wxEVT_MENU, backend->view().menuItemId(Miniature::frameFirst));
    frame->GetEventHandler()->ProcessEvent(menuCommand);
    ASSERT_FALSE(Miniature::log.empty());
    EXPECT_EQ(Miniature::log.back(), "frame frameFirst");

    Window* toolBar = application.frame()->toolBar();
    ASSERT_NE(toolBar, nullptr);
    Window* newDevice = toolBar->findChild(static_cast<int>(Miniature::documentFirst));
    ASSERT_NE(newDevice, nullptr);
    wxWindow* button = backend->view().widgetOf(*newDevice);
    ASSERT_NE(button, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(Miniature::log.back(), "document documentFirst");

    // Hiding the tool bar from the menu reaches its widget and the menu's check.
    wxCommandEvent hideBar(wxEVT_MENU, backend->view().menuItemId(Platform::CommandIds::viewToolBar));
    frame->GetEventHandler()->ProcessEvent(hideBar);
    EXPECT_FALSE(toolBar->isShown());
    EXPECT_FALSE(backend->view().widgetOf(*toolBar)->IsShown());
    EXPECT_FALSE(bar->FindItem(backend->view().menuItemId(Platform::CommandIds::viewToolBar))->IsChecked());
    frame->GetEventHandler()->ProcessEvent(hideBar);
    backend->settle(500);
    EXPECT_TRUE(backend->saveScreenshot(std::string(VORNA_WX_SCREENSHOT_DIR) + "/platform_wx_program.png"));

    // The close box ends the program's loop.
    QuitWatchdog watchdog;
    frame->Close();
    EXPECT_EQ(application.run(), 0);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_FALSE(application.frame() != nullptr && application.frame()->window().isShown());
}
}
